#include "screen/dialogrunner.h"

#include "platform/core/front.h"
#include "platform/core/requests.h"

namespace {

long showdialog(void* arg)
{
    platform::front* f = platform::currentfront();
    return f ? f->rundialog(*static_cast<platform::dialogtemplate*>(arg)) : 2;
}

}  // namespace

int rundialog(platform::dialogtemplate& dialog)
{
    return static_cast<int>(platform::callmain(showdialog, &dialog));
}
