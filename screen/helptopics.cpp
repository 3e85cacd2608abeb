#include "screen/helptopics.h"

void showhelp(infoholder& holder, const helptopic& topic)
{
    if (topic.helpbk)
        setinfobkindex(17);
    setinfotitle(topic.title);
    holder.close();
    auto* w = new infowin(topic.text, holder.lastcolumn, holder.lastrow, topic.tag);
    if (!w->window) {
        infodrop(w);
        w = nullptr;
    }
    holder.hold(w);
}
