// Lists of payload pointers in separately allocated nodes.  They never own
// their payloads.
#pragma once

struct slistnode {
    void* payload;
    slistnode* next;
};

class slist {
public:
    slist() = default;
    slist(const slist&) = delete;
    slist& operator=(const slist&) = delete;
    virtual ~slist() { clear(); }

    int append(void* payload);          // the new count; 0 when out of memory
    int clear();                        // frees the nodes; the old count
    slistnode* headnode() const { return head; }
    void* firstpayload() const { return head ? head->payload : nullptr; }
    // The payload behind the first node holding payload; null when absent
    // or last.
    void* nextpayload(const void* payload) const;

    slistnode* head = nullptr;
    slistnode* tail = nullptr;
    void* scratch = nullptr;            // free for the users' searches
    int count = 0;
};

class ptrlist : public slist {};

// Lists of user objects held by reference (called components, resolver
// candidates).
class reflist : public slist {};

// Numbers texts 1, 2, 3, ... in order of registration; numbers are never
// reused.  Owns the texts handed to it (heap arrays, freed with delete[]).
class stringregistry : public ptrlist {
public:
    ~stringregistry() override;

    // Takes text (ownership passes only when the result is not 0); 0 when
    // the text is null, already registered (letter case ignored) or memory
    // fails.
    int add(char* text);
    int find(const char* text) const;   // 0 when not registered
    const char* stringof(int n) const;  // null when n is not given out

    int lastnumber = 0;
};
