// Printing into PDF files: the page poppler reads back, the curve where
// the device mapping puts it, the refusals, and the chosen printer's
// values taking the place of the default printer's.
#include "fixtures.h"

#include "vemdraw/render.h"

#include "platform/core/pdfjob.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int print = 40015;

std::string commandoutput(const std::string& command)
{
    std::string text;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    char buffer[4096];
    for (size_t n; p && (n = fread(buffer, 1, sizeof buffer, p)) > 0;)
        text.append(buffer, n);
    if (p)
        pclose(p);
    return text;
}

// The page of a PDF file rendered by poppler at dpi.
struct rendered {
    cairo_surface_t* image = nullptr;
    rendered(const std::string& pdf, int dpi)
    {
        std::string png = pdf.substr(0, pdf.size() - 4);
        commandoutput("pdftoppm -r " + std::to_string(dpi) + " -png -singlefile " + pdf + " " + png);
        image = cairo_image_surface_create_from_png((png + ".png").c_str());
    }
    ~rendered() { cairo_surface_destroy(image); }
    int width() const { return cairo_image_surface_get_width(image); }
    int height() const { return cairo_image_surface_get_height(image); }
    uint32_t at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width() || y >= height())
            return 0xFFFFFF;
        const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
    }
    // Blue within a pixel of x, y.
    bool bluenear(int x, int y) const
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                uint32_t c = at(x + dx, y + dy);
                if ((c & 0xFF) > 0xC0 && (c >> 8 & 0xFF) < 0x60 && (c >> 16) < 0x60)
                    return true;
            }
        return false;
    }
};

// The points of the first curve where the printer's mapping puts them,
// shifted by the printable area's corner on the page.
void expectcurve(const diagram& d, const rendered& page, int cornerx, int cornery)
{
    ASSERT_NE(page.image, nullptr);
    ASSERT_EQ(cairo_surface_status(page.image), CAIRO_STATUS_SUCCESS);
    const polyline& line = *static_cast<const polyline*>(d.polylines.first());
    viewmap square;
    square.set(torect(printerrect(d)), {0, 0, devicesize, devicesize});
    for (size_t i = 1; i < line.points.size(); i += 50) {
        int x = todevice(square.devicex(line.points[i].x)), y = todevice(square.devicey(line.points[i].y));
        EXPECT_TRUE(page.bluenear(cornerx + x, cornery + y)) << "point " << i << " at " << x << ", " << y;
        EXPECT_FALSE(page.bluenear(cornerx + x, cornery + y + 40)) << "below point " << i;
    }
}

using Printing = scriptedprogram;

TEST_F(Printing, OneA4PageInTheRecordsOrientationWithTheCurveWhereTheMapPutsIt)
{
    ASSERT_TRUE(start("<file landscape.pdf><dialog 1040=1 ok><file portrait.pdf>"));
    ASSERT_EQ(program->printer().orientation, orientation::landscape);   // from the file
    program->command(print);
    EXPECT_TRUE(boxes->empty());
    std::string info = commandoutput("pdfinfo " + out + "/landscape.pdf");
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       841.92 x 595.2 pts (A4)"), std::string::npos) << info;
    rendered page(out + "/landscape.pdf", 300);
    EXPECT_EQ(page.width(), 3508);
    EXPECT_EQ(page.height(), 2480);
    expectcurve(first(), page, 0, 0);
    // Turned upright in the size dialog, the next page is upright.
    program->command(40019);
    program->command(print);
    info = commandoutput("pdfinfo " + out + "/portrait.pdf");
    EXPECT_NE(info.find("Page size:       595.2 x 841.92 pts (A4)"), std::string::npos) << info;
    expectcurve(first(), rendered(out + "/portrait.pdf", 300), 0, 0);
}

TEST_F(Printing, SidesBelowOneCentimetreAreRefused)
{
    ASSERT_TRUE(start("<file ten.pdf>"));
    const struct {
        double width;
        bool printed;
    } cases[] = {{9.9, false}, {10.0, true}};
    for (const auto& c : cases) {
        boxes->clear();
        first().interpretation = 0;   // strict: the size as given
        first().width = c.width;
        first().height = 50;
        program->command(print);
        EXPECT_EQ(boxes->empty(), c.printed) << c.width;
        if (!c.printed) {
            ASSERT_EQ(boxes->size(), 1u);
            EXPECT_EQ((*boxes)[0].rfind("Cannot print diagrams with sides below 1cm ! \n\r", 0), 0u);
        }
    }
    EXPECT_NE(commandoutput("pdfinfo " + out + "/ten.pdf").find("Pages:           1\n"), std::string::npos);
}

TEST_F(Printing, WithoutADefaultPrinterTheChosenOneLaysOut)
{
    ASSERT_TRUE(start("<file chosen.pdf>", false));
    boxes->clear();
    EXPECT_FALSE(program->printer().valid);
    program->command(print);
    EXPECT_TRUE(boxes->empty()) << (*boxes)[0];
    EXPECT_TRUE(program->printer().valid);
    expectcurve(first(), rendered(out + "/chosen.pdf", 300), 0, 0);
}

// A printer other than the default one: its values come with the job.
class otherprinter : public platform::headlessfront {
public:
    std::unique_ptr<platform::printjob> printdialog(const std::string& name, bool turned) override
    {
        docname = name;
        landscape = turned;
        return std::make_unique<platform::pdfjob>(path, page);
    }
    platform::pdfpage page{};
    std::string path, docname;
    bool landscape = false;
};

// A5 at 600 dpi with 5 mm on every side that the printer cannot reach.
platform::pdfpage a5page()
{
    constexpr int dpi = 600, margin = 118, width = 3496, height = 4961;
    platform::printercaps caps{dpi, dpi, 138, 200, width - 2 * margin, height - 2 * margin, width, height, margin,
                               margin};
    return {148 / 25.4 * 72, 210 / 25.4 * 72, margin * 72.0 / dpi, margin * 72.0 / dpi, caps.width, caps.height, dpi,
            caps, false};
}

// The program on the default printer; the print dialog picks the A5 one.
class ChosenPrinter : public scriptedprogram {
protected:
    void SetUp() override
    {
        auto other = std::make_unique<otherprinter>();
        chosen = other.get();
        front = std::move(other);
        ASSERT_TRUE(start(""));
        chosen->page = a5page();
        chosen->path = out + "/a5.pdf";
    }
    otherprinter* chosen = nullptr;
};

TEST_F(ChosenPrinter, ReplacesTheDefaultOneBeforeLayingOut)
{
    otherprinter& f = *chosen;
    program->command(print);
    EXPECT_TRUE(boxes->empty());
    EXPECT_EQ(f.docname, "VE Diagram");
    EXPECT_TRUE(f.landscape);   // preset from the record
    const printerdate& p = program->printer();
    EXPECT_EQ(p.dpiy, 600u);
    EXPECT_EQ(p.widthmm, 138u);
    EXPECT_EQ(p.offsetx, 118u);
    EXPECT_EQ(p.orientation, orientation::portrait);   // as the dialog left it
    pixelbox r = printerrect(first());
    EXPECT_TRUE(r.right <= 3260 && r.bottom <= 4725 && r.right - r.left > 3000) << r.left << " " << r.right;
    std::string info = commandoutput("pdfinfo " + f.path);
    EXPECT_NE(info.find("Page size:       419.528 x 595.276 pts"), std::string::npos) << info;   // A5
    rendered page(f.path, 600);
    EXPECT_NEAR(page.width(), 3496, 1);
    expectcurve(first(), page, 118, 118);
}

TEST_F(ChosenPrinter, RefusesMarginsItsPaperCannotHold)
{
    chosen->page.caps.widthmm = 30;   // a strip of paper
    first().marginleft = first().marginright = 15;
    program->command(print);
    ASSERT_EQ(boxes->size(), 1u);
    EXPECT_EQ((*boxes)[0].rfind("The margins do not fit the chosen paper.", 0), 0u) << (*boxes)[0];
}

}  // namespace
