// The GTK front's print job: the print dialog picks printer and page; the
// lines are drawn into a PDF file that is sent to the printer at the end.
#include "platform/gtk/gtkfront.h"

#include <cairo-pdf.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

constexpr double dpi = 300;

class gtkjob : public printjob {
public:
    gtkjob(GtkPrinter* printer, GtkPrintSettings* settings, GtkPageSetup* page, std::string name)
        : printer_(printer), settings_(settings), page_(page), name_(std::move(name))
    {
        char path[] = "/tmp/vemoprintXXXXXX";
        int fd = mkstemp(path);
        if (fd >= 0)
            close(fd);
        file_ = path;
        double w = gtk_page_setup_get_paper_width(page, GTK_UNIT_POINTS);
        double h = gtk_page_setup_get_paper_height(page, GTK_UNIT_POINTS);
        surface_ = cairo_pdf_surface_create(file_.c_str(), w, h);
        cr_ = cairo_create(surface_);
        cairo_translate(cr_, gtk_page_setup_get_left_margin(page, GTK_UNIT_POINTS),
                        gtk_page_setup_get_top_margin(page, GTK_UNIT_POINTS));
        cairo_scale(cr_, 72 / dpi, 72 / dpi);
        width_ = int(gtk_page_setup_get_page_width(page, GTK_UNIT_INCH) * dpi);
        height_ = int(gtk_page_setup_get_page_height(page, GTK_UNIT_INCH) * dpi);
    }
    ~gtkjob() override
    {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        std::remove(file_.c_str());
        g_object_unref(page_);
        g_object_unref(settings_);
        g_object_unref(printer_);
    }
    cairo_t* context() override { return cr_; }
    int width() const override { return width_; }
    int height() const override { return height_; }
    bool startpage() override { return ok(); }
    bool endpage() override
    {
        cairo_show_page(cr_);
        return ok();
    }
    // Sends the file and waits for the printer to take it.
    bool finish() override
    {
        cairo_surface_finish(surface_);
        if (!ok())
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
    bool ok() const
    {
        return cairo_status(cr_) == CAIRO_STATUS_SUCCESS
               && cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
    }
    GtkPrinter* printer_;
    GtkPrintSettings* settings_;
    GtkPageSetup* page_;
    std::string name_, file_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    int width_, height_;
};

}  // namespace

std::unique_ptr<printjob> gtkfront::printdialog(const std::string& docname)
{
    GtkWidget* d = gtk_print_unix_dialog_new("Print", window_ ? GTK_WINDOW(window_) : nullptr);
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
