#pragma once

#include "app/errors.h"

// An order list that cannot be read at all: not a CSV, no quantity column, a
// column named twice. Rows that fail are no such error: they are reported in
// the list itself.
class EOrderListError : public Exception {
public:
    explicit EOrderListError(std::string message) : Exception(std::move(message)) {}
    std::string ClassName() const override { return "EOrderListError"; }
};
