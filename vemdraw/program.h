// VEMDRAW's program: one window on one thread, showing the first diagram
// of the loaded transfer file, its menu, the file that VEMO hands over.
#pragma once

#include "vemdraw/model.h"

#include "platform/core/front.h"
#include "platform/core/handover.h"

#include <cstdio>
#include <deque>
#include <optional>
#include <string>

class vemdrawprogram : public platform::hostevents {
public:
    explicit vemdrawprogram(platform::front& f) : front_(f) {}
    ~vemdrawprogram() override;

    // The window, the printer record, the hand-over listener (when VEMO
    // named one) and the file of the command line; false when the window
    // cannot be made.
    bool start(const std::optional<std::string>& file);

    bool key(const platform::keydown&) override { return false; }
    bool cantype(int) const override { return true; }
    void mouse(platform::mouseaction, platform::mousebutton, int, int) override {}
    void close() override;
    void command(int id) override;
    void focus(bool) override {}
    void moved(int, int, int, int) override {}
    bool busy() const override { return false; }
    void paint(cairo_t* cr, int width, int height) override;
    void readable(int fd) override;

    // False when the id has no command here.
    bool menucommand(int id);
    // 1 greys the items that need a file, 0 enables them.
    void enablemenus(int flag);
    void openfromname();
    void fileopencommand();
    void settitle();
    // Applies a message of the hand-over channel (answered before, so
    // that a box it raises does not hold the sender).
    void handover(const platform::handover::message& m);

    const nodelist& diagrams() const { return diagrams_; }
    const printerdate& printer() const { return printer_; }
    const std::optional<std::string>& filename() const { return filename_; }
    uint32_t nameoffset() const { return nameoffset_; }

private:
    // Reads the open file at path (and closes it) into the diagram list;
    // false leaves the list empty and the menus grey.
    bool readfile(FILE* file, const std::string& path);
    // Hand-overs received, applied in turn while no box is open.
    void applyqueued();

    platform::front& front_;
    nodelist diagrams_;
    printerdate printer_;
    std::optional<std::string> filename_;
    uint32_t nameoffset_ = 0;
    platform::handover::listener listener_;
    std::deque<platform::handover::message> queued_;
};
