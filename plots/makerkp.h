// "Writing a binary Plotfile": the name of a transfer file, asked on the
// computing thread.  The name is blank-free, cut to eight characters,
// upper case with the extension RKP, and names a file of the work
// directory; an existing file is taken on a second OK.
#pragma once

#include <cstdint>
#include <string>

#include "platform/core/dialog.h"

struct filenamerecord {
    char name[13] = {};           // NAME.RKP, at most 8 + 1 + 3 characters
    uint8_t startprinter = 1;     // "Start VEMDRAW when finished"
    std::string message;          // shown once in the message line
};

namespace makerkp {
constexpr int ok = 1, cancel = 2, start = 1098, edit = 1099, message = 1100, picture = 1044;
}

// One run of the dialog's logic: the record, the directory the name is
// probed in, and whether the overwrite question is pending.
struct makerkprun {
    filenamerecord& record;
    std::string directory;
    bool overwrite = false;

    platform::dialogtemplate layout();
    // Shows the record in the controls; the message is used up.
    void fill(platform::dialogtemplate& t);
    // The edit's name into the record; false when the typed text would
    // leave the work directory, hide the file or hold a control character.
    bool readfilename(platform::dialogtemplate& t);
    // 13 and 27 end the dialog, 0 keeps it open.
    int command(platform::dialogtemplate& t, int id, platform::notification n);
};

// Runs the dialog on the record: 13 with an acceptable name, 27 for cancel.
int makerkpdialog(filenamerecord& record, const std::string& directory);
