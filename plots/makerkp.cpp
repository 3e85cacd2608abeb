#include "plots/makerkp.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "plots/smalldialogs.h"
#include "screen/filenames.h"

namespace {

constexpr int ended = 13, cancelled = 27;
constexpr size_t typedlimit = 40, namelength = 8;

dialogplace place;

std::string printed(const char* format, const char* name)
{
    char text[96];
    std::snprintf(text, sizeof text, format, name);
    return text;
}

}  // namespace

platform::dialogtemplate makerkprun::layout()
{
    using platform::controlkind;
    platform::dialogtemplate t{"MAKERKP", "Writing a binary Plotfile", "MS Sans Serif", {}};
    t.controls = {
        {900, controlkind::text, "File Name without Extension"},
        {makerkp::edit, controlkind::edit, "", "", int(namelength), true},
        {makerkp::picture, controlkind::picture, "exclamation"},
        {makerkp::message, controlkind::text},
        {makerkp::start, controlkind::check, "Start VEMDRAW when finished"},
        {makerkp::ok, controlkind::button, "OK"},
        {makerkp::cancel, controlkind::button, "Abbrechen"},
    };
    return t;
}

void makerkprun::fill(platform::dialogtemplate& t)
{
    std::string name = record.name;
    size_t dot = name.find('.', 1);
    t.control(makerkp::edit)->value = name.substr(0, dot);
    t.control(makerkp::start)->checked = record.startprinter;
    t.control(makerkp::picture)->shown = !record.message.empty();
    t.control(makerkp::message)->label = record.message;
    record.message.clear();
}

bool makerkprun::readfilename(platform::dialogtemplate& t)
{
    std::string typed;
    for (char c : t.control(makerkp::edit)->value.substr(0, typedlimit))
        if (c != ' ')
            typed += c;
    char name[sizeof record.name] = {};
    std::strncpy(name, typed.c_str(), namelength);
    if (*name)
        shortname(name, "rkp");
    for (char* c = name; *c; ++c)
        *c = char(std::toupper(static_cast<unsigned char>(*c)));
    std::memcpy(record.name, name, sizeof name);
    return plainname(typed);
}

int makerkprun::command(platform::dialogtemplate& t, int id, platform::notification)
{
    switch (id) {
    case makerkp::ok:
        if (!readfilename(t)) {
            overwrite = false;
            record.message = printed(" \"%s\" is not acceptable as a filename", record.name);
            break;
        }
        if (!*record.name)
            return cancelled;
        switch (isfilename(record.name, directory)) {
        case 1:
            return ended;
        case 2:
            if (overwrite)
                return ended;
            overwrite = true;
            record.message = printed("File \"%s\" already exists. Overwrite ?", record.name);
            break;
        default:
            overwrite = false;
            record.message = printed(" \"%s\" is not acceptable as a filename", record.name);
            break;
        }
        break;
    case makerkp::cancel:
        return cancelled;
    case makerkp::start:
        record.startprinter = t.control(makerkp::start)->checked;
        overwrite = false;
        break;
    case makerkp::edit:
        readfilename(t);
        overwrite = false;
        break;
    default:
        return 0;
    }
    fill(t);
    return 0;
}

int makerkpdialog(filenamerecord& record, const std::string& directory)
{
    makerkprun run{record, directory};
    record.message.clear();
    platform::dialogtemplate t = run.layout();
    run.fill(t);
    t.command = [&run](platform::dialogtemplate& d, int id, platform::notification n) { return run.command(d, id, n); };
    // The dialog opens again while the logic keeps it open.
    int result;
    do
        result = runsmalldialog(t, &place);
    while (result == 0);
    return result == ended ? ended : cancelled;
}
