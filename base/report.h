// Reports that the formula engine and the object records raise for the
// user.  The message-output layer installs a sink that shows them in framed
// boxes; until one is installed they are recorded so that tests can read
// them.
#pragma once

#include <string>
#include <vector>

enum class reportkind {
    unexpected,     // "Unexpected error:" with a routine tag
    bug,            // "Unexpected Error in \"%s\"!"
    libread,        // a library record that could not be read
    message,        // any other message box text
    error,          // a message box in the colours of errors and refusals
    fault,          // a message box in the colours of unexpected errors
    page,           // a text that the user scrolls through: a text page
};

struct reportentry {
    reportkind kind;
    std::string text;
    std::string caption;
    int footer;
};

class reportsink {
public:
    virtual ~reportsink() = default;
    // Returns the key with which the user closed the report (27 for Esc).
    // The caption (may be null) titles the report's box; footer is a
    // standard footer code of the box (0 none).
    virtual int report(reportkind kind, const std::string& text, const char* caption, int footer) = 0;
};

// The footer code of the reports that wait for any key.
constexpr int anykeyfooter = 10;

// The sink in use; null restores the recording default.
void setreportsink(reportsink* sink);
int report(reportkind kind, const std::string& text, const char* caption = nullptr, int footer = 0);
int reportf(reportkind kind, const char* format, ...) __attribute__((format(printf, 2, 3)));

// While it lives, reports of one kind are held back (the first one's text
// kept) and the others go on to the sink that was in use.
class holdreports : public reportsink {
public:
    explicit holdreports(reportkind held);
    ~holdreports() override;
    holdreports(const holdreports&) = delete;
    holdreports& operator=(const holdreports&) = delete;
    int report(reportkind kind, const std::string& text, const char* caption, int footer) override;

    int count = 0;
    std::string first;

private:
    reportkind held;
    reportsink* outer;
};

// The recording default: what was reported since the last clear.
const std::vector<reportentry>& recordedreports();
void clearrecordedreports();
