// The GTK front's print job: the print dialog picks printer and page; the
// lines are drawn into a PDF file that is sent to the printer at the end.
#include "platform/gtk/gtkfront.h"

#include "platform/core/pdfjob.h"

#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

constexpr double defaultdpi = 300;

std::string tempfilename()
{
    char path[] = "/tmp/vemoprintXXXXXX";
    int fd = mkstemp(path);
    if (fd >= 0)
        close(fd);
    return path;
}

int pixels(double points, double dpi)
{
    return int(std::lround(points / 72 * dpi));
}

// The page as the job draws it, and the printer's values for the upright
// paper: the page setup's margins are the parts left unprinted.
pdfpage pagefrom(GtkPageSetup* page, GtkPrintSettings* settings)
{
    double dpi = settings ? gtk_print_settings_get_resolution(settings) : 0;
    if (!(dpi >= 72 && dpi <= 2400))
        dpi = defaultdpi;
    GtkPageOrientation o = gtk_page_setup_get_orientation(page);
    bool turned = o == GTK_PAGE_ORIENTATION_LANDSCAPE || o == GTK_PAGE_ORIENTATION_REVERSE_LANDSCAPE;
    double left = gtk_page_setup_get_left_margin(page, GTK_UNIT_POINTS);
    double top = gtk_page_setup_get_top_margin(page, GTK_UNIT_POINTS);
    pdfpage p{gtk_page_setup_get_paper_width(page, GTK_UNIT_POINTS),
              gtk_page_setup_get_paper_height(page, GTK_UNIT_POINTS), left, top,
              pixels(gtk_page_setup_get_page_width(page, GTK_UNIT_POINTS), dpi),
              pixels(gtk_page_setup_get_page_height(page, GTK_UNIT_POINTS), dpi), dpi, {}, turned};
    printercaps& c = p.caps;
    c.dpix = c.dpiy = int(dpi);
    c.paperwidth = pixels(turned ? p.heightpt : p.widthpt, dpi);
    c.paperheight = pixels(turned ? p.widthpt : p.heightpt, dpi);
    c.width = turned ? p.height : p.width;
    c.height = turned ? p.width : p.height;
    // Turned, the page's left margin is the paper's upper one and its top
    // margin the paper's right one.
    c.offsetx = turned ? c.paperwidth - pixels(top, dpi) - c.width : pixels(left, dpi);
    c.offsety = pixels(turned ? left : top, dpi);
    c.widthmm = int(std::lround(c.width * 25.4 / dpi));
    c.heightmm = int(std::lround(c.height * 25.4 / dpi));
    return p;
}

class gtkjob : public pdfjob {
public:
    gtkjob(GtkPrinter* printer, GtkPrintSettings* settings, GtkPageSetup* page, std::string name,
           std::string file = tempfilename())
        : pdfjob(file, pagefrom(page, settings)), printer_(printer), settings_(settings), page_(page),
          name_(std::move(name)), file_(std::move(file))
    {
    }
    ~gtkjob() override
    {
        std::remove(file_.c_str());
        g_object_unref(page_);
        g_object_unref(settings_);
        g_object_unref(printer_);
    }
    // Sends the file and waits for the printer to take it.
    bool finish() override
    {
        if (!pdfjob::finish())
            return false;
        GtkPrintJob* job = gtk_print_job_new(name_.c_str(), printer_, settings_, page_);
        GError* error = nullptr;
        if (!gtk_print_job_set_source_file(job, file_.c_str(), &error)) {
            g_clear_error(&error);
            g_object_unref(job);
            return false;
        }
        struct waiting {
            GMainLoop* loop;
            bool ok;
        } w{g_main_loop_new(nullptr, FALSE), false};
        gtk_print_job_send(
            job,
            [](GtkPrintJob*, gpointer p, const GError* e) {
                auto* w = static_cast<waiting*>(p);
                w->ok = !e;
                g_main_loop_quit(w->loop);
            },
            &w, nullptr);
        g_main_loop_run(w.loop);
        g_main_loop_unref(w.loop);
        g_object_unref(job);
        return w.ok;
    }

private:
    GtkPrinter* printer_;
    GtkPrintSettings* settings_;
    GtkPageSetup* page_;
    std::string name_, file_;
};

}  // namespace

std::unique_ptr<printjob> gtkfront::printdialog(const std::string& docname, bool landscape)
{
    GtkWidget* d = gtk_print_unix_dialog_new("Print", window_ ? GTK_WINDOW(window_) : nullptr);
    GtkPageSetup* preset = gtk_page_setup_new();
    gtk_page_setup_set_orientation(preset, landscape ? GTK_PAGE_ORIENTATION_LANDSCAPE : GTK_PAGE_ORIENTATION_PORTRAIT);
    gtk_print_unix_dialog_set_page_setup(GTK_PRINT_UNIX_DIALOG(d), preset);
    g_object_unref(preset);
    gtk_print_unix_dialog_set_manual_capabilities(
        GTK_PRINT_UNIX_DIALOG(d), GtkPrintCapabilities(GTK_PRINT_CAPABILITY_COLLATE | GTK_PRINT_CAPABILITY_COPIES
                                                       | GTK_PRINT_CAPABILITY_GENERATE_PDF));
    gtk_print_unix_dialog_set_support_selection(GTK_PRINT_UNIX_DIALOG(d), FALSE);
    std::unique_ptr<printjob> job;
    if (runmodal(d) == GTK_RESPONSE_OK) {
        GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(GTK_PRINT_UNIX_DIALOG(d));
        GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(GTK_PRINT_UNIX_DIALOG(d));
        GtkPageSetup* page = gtk_print_unix_dialog_get_page_setup(GTK_PRINT_UNIX_DIALOG(d));
        if (printer && page) {
            job = std::make_unique<gtkjob>(GTK_PRINTER(g_object_ref(printer)), settings,
                                           GTK_PAGE_SETUP(g_object_ref(page)), docname);
        } else if (settings) {
            g_object_unref(settings);
        }
    }
    gtk_widget_destroy(d);
    return job;
}

}  // namespace platform
