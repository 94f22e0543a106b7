#include "platform/gui/fonts.h"
#include "print/core/layouts.h"
#include "print/core/pagearithmetic.h"

// The two envelopes "長型3号": to the regional bureau and back to the applicant. Positions are
// multiples of the width (w) and height (h) of "M" at 14 points.

namespace {

using pagearithmetic::checkedMultiple;

constexpr quint32 kBlack = 0;
constexpr quint32 kRed = 0x0000FF;
constexpr qint32 kReturnTop = 1300;
constexpr qint32 kBureauTop = 1000;

class EnvelopeWriter {
public:
    // Sets up the page: its origin ox units right of and oy units below the corner, black
    // 14-point "ＭＳ 明朝", solid lines, and the grid measured from "M".
    EnvelopeWriter(DrawingSurface& surface, const SettingsValues& settings, qint32 top)
        : surface_(surface) {
        const qint32 ox = pagearithmetic::checkedAffine(10, settings.envelopeOffsetAcross, 3000);
        const qint32 oy = pagearithmetic::checkedAffine(10, settings.envelopeOffsetDown, top);
        const double width = surface.widthTwips();
        const double height = surface.heightTwips();
        surface.setScale(-double(ox), -double(oy), width, height);
        surface.setDrawStyle(DrawingSurface::DrawStyle::Solid);
        surface.setForeColor(kBlack);
        surface.setFontName(fonts::mincho());
        surface.setFontSize(14);
        w_ = pagearithmetic::roundToInt32(surface.textWidth(QStringLiteral("M")));
        h_ = pagearithmetic::roundToInt32(surface.textHeight(QStringLiteral("M")));
        surface.setFontSize(14);
    }

    double x(double k) const { return checkedMultiple(k, w_); }
    double y(double k) const { return checkedMultiple(k, h_); }

    // Text with its top-left at (kx × w, ky × h); the output then ends its line.
    void put(double kx, double ky, const QString& text) {
        surface_.setCurrentX(x(kx));
        surface_.setCurrentY(y(ky));
        surface_.print(text);
    }
    void frame(double kx1, double ky1, double kx2, double ky2, quint32 colour) {
        surface_.line(x(kx1), y(ky1), x(kx2), y(ky2), colour, true);
    }
    void rule(double kx1, double ky1, double kx2, double ky2, quint32 colour) {
        surface_.line(x(kx1), y(ky1), x(kx2), y(ky2), colour);
    }

private:
    DrawingSurface& surface_;
    qint32 w_ = 0;
    qint32 h_ = 0;
};

// The thick frames are 6 ÷ mode pixels: 2 on the preview, 6 on the printer.
struct DivisionByZero {};
int thickPen(int mode) {
    if (mode == 0)
        throw DivisionByZero{};
    return pagearithmetic::thickPen(mode);
}

template <typename Draw> Result guarded(Draw draw) {
    try {
        draw();
    } catch (const pagearithmetic::Overflow&) {
        return Result::failure(pagearithmetic::overflowMessage());
    } catch (const DivisionByZero&) {
        return Result::failure(pagearithmetic::divisionMessage());
    }
    return Result::success();
}

} // namespace

Result drawReturnEnvelope(DrawingSurface& surface, int mode, const QString& note,
                          const PageInputs& inputs) {
    const PrintData& print = inputs.print;
    return guarded([&] {
        EnvelopeWriter e(surface, inputs.settings, kReturnTop);
        if (!print.PrintApplicantZip.isEmpty())
            e.put(0, 0, QStringLiteral(u"〒 ") + print.PrintApplicantZip);
        e.put(0, 1.5, print.PrintApplicantAddr1);
        e.put(4, 3, print.PrintApplicantAddr2);
        surface.setFontSize(20);
        if (!print.PrintApplicantName.isEmpty())
            e.put(4, 6.5, print.PrintApplicantName + QStringLiteral(u"　様"));
        if (!note.isEmpty()) {
            surface.setFontSize(16);
            surface.setForeColor(kRed);
            e.put(2, 11.5, note);
            surface.setDrawWidth(thickPen(mode));
        }
    });
}

Result drawBureauEnvelope(DrawingSurface& surface, int mode, const QString& note,
                          const PageInputs& inputs) {
    const PrintData& print = inputs.print;
    const BureauValues& bureau = inputs.bureau;
    return guarded([&] {
        EnvelopeWriter e(surface, inputs.settings, kBureauTop);
        // The bureau's lines are printed even when empty.
        e.put(0, 0, bureau.AreaZip);
        e.put(0, 1.5, bureau.AreaAdd);
        e.put(5, 3, bureau.AreaAdd2);
        surface.setFontSize(20);
        e.put(0, 5, bureau.AreaName);
        e.put(3, 7, bureau.AreaName2);
        if (!note.isEmpty()) {
            surface.setFontSize(16);
            surface.setForeColor(kRed);
            e.put(32, 10, note);
            surface.setDrawWidth(thickPen(mode));
        }

        // The sender's block on the lower right, framed in the pen width now in force.
        e.frame(30, 12, 65, 17.5, kBlack);
        surface.setDrawWidth(1);
        surface.setDrawStyle(DrawingSurface::DrawStyle::Dot);
        e.rule(31, 15.5, 64, 15.5, kBlack);
        e.rule(31, 17, 64, 17, kBlack);
        surface.setDrawStyle(DrawingSurface::DrawStyle::Solid);
        surface.setForeColor(kBlack);
        surface.setFontSize(10);
        e.put(32, 12.5, QStringLiteral(u"〒 ") + print.PrintApplicantZip);
        if (print.PrintApplicantAddr2.isEmpty()) {
            e.put(32, 14, print.PrintApplicantAddr1);
        } else {
            e.put(32, 13.5, print.PrintApplicantAddr1);
            e.put(36, 14.5, print.PrintApplicantAddr2);
        }
        surface.setFontSize(14);
        e.put(32, 15.75, print.PrintApplicantName);

        if (print.RegisteredMail == 1) {
            surface.setDrawWidth(thickPen(mode));
            surface.setDrawStyle(DrawingSurface::DrawStyle::Solid);
            e.frame(0.2, 12.6, 14.9, 14.6, kRed);
            surface.setFontSize(18);
            surface.setForeColor(kRed);
            e.put(2, 13, QStringLiteral(u"簡易書留"));
        }
    });
}
