// The calculator's formula held as a user object (type id 9, tag
// "@@FUNM").  It never goes into a library: its record writes nothing and
// reading one is refused.
#pragma once

#include <cstdint>

#include "formula/fingerprint.h"
#include "objects/fu.h"

class funm : public fu {
public:
    funm();
    // The fu part as every object copies it; the never-used letters and the
    // sum pairs start empty as in a new object.
    funm(const funm& source);
    ~funm() override;

    double calcx(double x) override;                         // 3
    double value() override;                                 // 4
    bool implement(uint8_t force, uint16_t level) override;  // 5
    // Slot 6: makes the compiled object ready to run and records its
    // fingerprint; implements first when needed.
    bool recordfingerprint() override;                       // 6
    fletcher3 fpsums() const override { return sums; }       // 12

    int typenumber() const override { return typeids::funm; }
    const char* tag() const override { return "@@FUNM"; }
    void save(std::ostream&) override {}
    bool learn(std::istream&) override { return false; }

    // The evaluation serial lags behind the global one.
    bool isstale() const;

    char* unused = nullptr;       // owned; argument letters the formula never reads
    uint32_t evalserial = 0;      // 0 while a fingerprint is recorded
    checksumcell print{};         // checksum of the last recorded fingerprint
    fletcher3 sums{};

protected:
    // The store comes back; one without statics or constants is dropped.
    void takestore(const class markset& marks);
    void findunused(const class markset& marks);
};
