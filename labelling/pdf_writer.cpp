// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets of labels as PDF, through cairo: it embeds a subset of the font and
// keeps each text as text, found by search and copied as typed. The SVG has
// a writer of our own: the page builds it in WebAssembly, where cairo is not,
// and cairo's SVG turns every glyph into a path.
#include <cairo-pdf.h>
#include <cairo.h>

#include <memory>

#include "labelling/writers.h"

namespace labelling {

namespace {

constexpr double PointsPerMillimetre = 72 / 25.4;

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// "#rrggbb" as cairo's channels from 0 to 1.
void setPaint(cairo_t* context, const std::string& paint) {
    const auto channel = [&](std::size_t at) {
        return std::stoi(paint.substr(at, 2), nullptr, 16) / 255.0;
    };
    cairo_set_source_rgb(context, channel(1), channel(3), channel(5));
}

void drawShape(cairo_t* context, const Shape& shape) {
    if (shape.kind == Shape::Kind::Box) {
        cairo_rectangle(context, shape.x, shape.y, shape.width, shape.height);
        if (shape.paint.empty()) {
            setPaint(context, "#000000");
            cairo_set_line_width(context, 0.15);
            cairo_stroke(context);
        } else {
            setPaint(context, shape.paint);
            cairo_fill(context);
        }
        return;
    }
    setPaint(context, "#000000");
    cairo_set_font_size(context, shape.size);
    double x = shape.x;
    if (shape.centred) {
        cairo_text_extents_t extents;
        cairo_text_extents(context, shape.text.c_str(), &extents);
        x -= extents.x_advance / 2;
    }
    cairo_move_to(context, x, shape.y);
    cairo_show_text(context, shape.text.c_str());
}

}  // namespace

std::optional<std::string> pdfOf(std::span<const Page> pages, const SheetLayout& layout) {
    std::string bytes;
    {
        const std::unique_ptr<cairo_surface_t, SurfaceRelease> surface(
            cairo_pdf_surface_create_for_stream(append, &bytes,
                                                layout.page.width * PointsPerMillimetre,
                                                layout.page.height * PointsPerMillimetre));
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE,
                                       "Étiquettes de résistances");
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR,
                                       "resistances-code");
        const std::unique_ptr<cairo_t, ContextRelease> context(cairo_create(surface.get()));
        cairo_scale(context.get(), PointsPerMillimetre, PointsPerMillimetre);
        // One face for every text: one font embedded.
        cairo_select_font_face(context.get(), "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_NORMAL);
        for (const Page& page : pages) {
            for (const Shape& shape : page) {
                drawShape(context.get(), shape);
            }
            cairo_show_page(context.get());
        }
        cairo_surface_finish(surface.get());
        if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS ||
            cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
            return std::nullopt;
        }
    }
    return bytes;
}

}  // namespace labelling
