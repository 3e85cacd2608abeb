// Measures the request round trip (sendtomain from the computing thread to
// the window thread and back) and, on the GTK front, the key-to-screen
// latency: from the host's key rule on the window thread through getkey,
// a drawing into the surface and its invalidation, to the frame drawn.
//
//   xvfb-run build/bin/platformlatency        GTK front
//   build/bin/platformlatency --headless      headless front
#include "platform/core/clock.h"
#include "platform/core/front.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"
#include "platform/gtk/gtkfront.h"
#include "platform/headless/headless.h"
#include "screen/calcmain.h"
#include "screen/host.h"
#include "screen/keys.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr int roundtrips = 5000, keypresses = 200;

double roundtripus = 0;
std::vector<double> latencies, marked;
std::atomic<long long> marktime{0};  // ns when the computing thread marked its drawing
long long keytime = 0;     // ns of the pending key, 0 when none
int keysleft = keypresses;

long long nanos()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Computing thread: the round trips, then every key paints a cell.
void benchloop()
{
    long long start = nanos();
    for (int i = 0; i < roundtrips; ++i)
        sendtomain(msg::setcursor);
    roundtripus = (nanos() - start) / 1000.0 / roundtrips;
    for (int n = 0;; ++n) {
        keycode k = getkey();
        if (k == key::altx || k == key::esc)
            return;
        platform::screensurface& s = platform::mainsurface();
        {
            std::lock_guard guard(s.lock());
            cairo_t* cr = cairo_create(s.image());
            cairo_set_source_rgb(cr, (n & 1) ? 1 : 0, 0.5, 0);
            cairo_rectangle(cr, 10, 10, 10, 18);
            cairo_fill(cr);
            cairo_destroy(cr);
        }
        marktime = nanos();
        s.markdirty({10, 10, 20, 28});
    }
}

gboolean typekey(gpointer)
{
    platform::keydown k;
    if (--keysleft < 0) {
        k.vk = 'X';
        k.alt = true;
    } else {
        k.vk = 'A';
        k.ch = 'a';
        keytime = nanos();
    }
    platform::currenthost()->key(k);
    return G_SOURCE_REMOVE;
}

gboolean drawn(GtkWidget*, cairo_t*, gpointer)
{
    if (keytime) {
        latencies.push_back((nanos() - keytime) / 1e6);
        marked.push_back((marktime - keytime) / 1e6);
        keytime = 0;
        // A varying pause, so that keys fall on every phase of the frame clock.
        g_timeout_add(1 + std::rand() % 23, typekey, nullptr);
    }
    return FALSE;
}

GtkWidget* findarea(GtkWidget* w)
{
    if (GTK_IS_DRAWING_AREA(w))
        return w;
    if (!GTK_IS_CONTAINER(w))
        return nullptr;
    GList* children = gtk_container_get_children(GTK_CONTAINER(w));
    GtkWidget* found = nullptr;
    for (GList* c = children; c && !found; c = c->next)
        found = findarea(GTK_WIDGET(c->data));
    g_list_free(children);
    return found;
}

gboolean startkeys(gpointer)
{
    GList* tops = gtk_window_list_toplevels();
    for (GList* t = tops; t; t = t->next)
        if (GtkWidget* area = findarea(GTK_WIDGET(t->data)))
            g_signal_connect_after(area, "draw", G_CALLBACK(drawn), nullptr);
    g_list_free(tops);
    typekey(nullptr);
    return G_SOURCE_REMOVE;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, size_t(p * v.size()))];
}

}  // namespace

int main(int argc, char** argv)
{
    setmainloop(benchloop);
    int status;
    if (argc > 1 && !std::strcmp(argv[1], "--headless")) {
        std::ofstream("/tmp/platformlatency.txt") << "<A-x>";
        platform::headlessfront f;
        std::string error;
        if (!f.load({"/tmp/platformlatency.txt", "/tmp", 60}, error))
            return 2;
        status = vemohost(f);
    } else {
        platform::gtkfront f;
        std::string error;
        if (!f.open(error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
        g_timeout_add(300, startkeys, nullptr);
        status = vemohost(f);
    }
    std::printf("request round trip: %.1f us (mean of %d)\n", roundtripus, roundtrips);
    if (!marked.empty())
        std::printf("key to surface drawn and marked: median %.3f ms, 90%% %.3f ms\n", percentile(marked, 0.5),
                    percentile(marked, 0.9));
    if (!latencies.empty())
        std::printf("key to screen: median %.2f ms, 90%% %.2f ms, max %.2f ms (%zu keys)\n",
                    percentile(latencies, 0.5), percentile(latencies, 0.9), percentile(latencies, 1.0),
                    latencies.size());
    return status;
}
