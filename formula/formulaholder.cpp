#include "formula/formulaholder.h"

#include "base/objcount.h"
#include "base/serial.h"
#include "formula/destroyparser.h"

formulaholder::formulaholder() : serial(newserial())
{
    objcount(113);
}

formulaholder::~formulaholder()
{
    delete[] text;
    destroyparser(compiled);
    objcount(-113);
}
