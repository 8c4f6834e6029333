#pragma once

#include "app/errors.h"

// A pane that no template can be made of: it could not be computed, or its
// figures describe no pane that can be drawn (a negative radius, a full
// circle or more, glass as thick as the radius), or the template would take
// more pages than allowed. Reported in one line; bendcalc ends with exit
// code 1 and leaves no file behind.
class ETemplateError : public Exception {
public:
    explicit ETemplateError(std::string message) : Exception(std::move(message)) {}
    std::string ClassName() const override { return "ETemplateError"; }
};
