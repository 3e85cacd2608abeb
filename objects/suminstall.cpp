#include "objects/suminstall.h"

bool suminstall(const sumbase*, const sumrecord*)
{
    return false;
}
