#pragma once

#include "print/core/scaledsurface.h"

#include <vector>

// Keeps what a layout draws, in order, instead of drawing it: for tests and for checks of a
// page before it is printed. Measures text exactly as the drawing surfaces do.
class RecordingSurface final : public ScaledSurface {
public:
    explicit RecordingSurface(QSizeF pageTwips) : ScaledSurface(pageTwips) {}

    const std::vector<PageElement>& elements() const { return elements_; }
    void clear() { elements_.clear(); }

protected:
    void render(const PageElement& element) override { elements_.push_back(element); }

private:
    std::vector<PageElement> elements_;
};
