// An owning pointer whose ownership can be dropped (release) without the
// object moving.  ownarray holds an object made with new[].
#pragma once

template <class T, bool array = false>
class ownptr {
public:
    explicit ownptr(T* p = nullptr) : object(p), owns(p != nullptr) {}
    ownptr(const ownptr&) = delete;
    ownptr& operator=(const ownptr&) = delete;
    // Transfer: q keeps its pointer but no longer owns it.
    ownptr(ownptr&& q) : object(q.object), owns(q.owns) { q.owns = false; }
    ownptr& operator=(ownptr&& q)
    {
        if (&q != this) {
            drop();
            object = q.object;
            owns = q.owns;
            q.owns = false;
        }
        return *this;
    }
    ~ownptr() { drop(); }

    // Deletes the old object when owned; afterwards owns is set, even for
    // a null p.
    void reset(T* p)
    {
        drop();
        object = p;
        owns = true;
    }
    void release() { owns = false; }
    bool isnull() const { return object == nullptr; }
    T* get() const { return object; }
    T* operator->() const { return object; }

    T* object;
    bool owns;

private:
    void drop()
    {
        if (owns) {
            owns = false;
            if constexpr (array)
                delete[] object;
            else
                delete object;
        }
    }
};

template <class T>
using ownarray = ownptr<T, true>;
