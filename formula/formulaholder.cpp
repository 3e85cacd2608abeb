#include "formula/formulaholder.h"

#include "formula/destroyparser.h"
#include "base/objcount.h"
#include "base/serial.h"

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
