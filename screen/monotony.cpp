#include "screen/monotony.h"

#include "platform/core/monotony.h"
#include "platform/core/requests.h"
#include "screen/host.h"

void showmonotony(const double* values, int n)
{
    platform::monotonypublish(values, n);
    sendtomain(msg::monotonyshow);
}

void closemonotony()
{
    sendtomain(msg::monotonyclose);
}
