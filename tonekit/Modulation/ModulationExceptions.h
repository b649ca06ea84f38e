#pragma once

#include "orvo/Core/Exception.h"

#include <memory>

namespace Tonekit::ModulationExceptions {

// The device's limit on modulators was reached; nothing was created.
class TooManyModulators : public Orvo::Exception {
public:
    TooManyModulators() : Orvo::Exception(u"Too many modulators.") {}
    std::unique_ptr<Orvo::Exception> clone() const override {
        return std::make_unique<TooManyModulators>(*this);
    }
};

// The device's limit on entries per modulator was reached; nothing was created.
class TooManyEntries : public Orvo::Exception {
public:
    TooManyEntries() : Orvo::Exception(u"Too many entries.") {}
    std::unique_ptr<Orvo::Exception> clone() const override {
        return std::make_unique<TooManyEntries>(*this);
    }
};

} // namespace Tonekit::ModulationExceptions
