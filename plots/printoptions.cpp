#include "plots/printoptions.h"

printoptions activeprintoptions;
