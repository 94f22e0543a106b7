#include "platform/gui/fonts.h"
#include "platform/width.h"
#include "print/core/layouts.h"
#include "print/core/pagearithmetic.h"
#include "record/eradate.h"

#include <QDate>

// The re-licence application form, in the layout of the official form, on a grid of
// half-width 11-point character cells.

namespace {

using pagearithmetic::roundHalfEven;

constexpr quint32 kGrey = 0xC0C0C0;
constexpr double kBodySize = 11.5;

// Draws on the form's grid: x in CharWidth, y in RowHeight.
class FormWriter {
public:
    FormWriter(DrawingSurface& surface, double charWidth, double rowHeight, quint32 form)
        : surface_(surface), charWidth_(charWidth), rowHeight_(rowHeight), form_(form) {}

    void box(double x1, double y1, double x2, double y2) {
        surface_.line(x1 * charWidth_, y1 * rowHeight_, x2 * charWidth_, y2 * rowHeight_, form_,
                      true);
    }
    void rule(double x1, double y1, double x2, double y2) {
        surface_.line(x1 * charWidth_, y1 * rowHeight_, x2 * charWidth_, y2 * rowHeight_, form_);
    }
    void dottedRule(double x1, double y1, double x2, double y2) {
        surface_.setDrawWidth(1);
        surface_.setDrawStyle(DrawingSurface::DrawStyle::Dot);
        rule(x1, y1, x2, y2);
        surface_.setDrawWidth(3);
        surface_.setDrawStyle(DrawingSurface::DrawStyle::Solid);
    }
    // Where a text's characters lie across a line, in CharWidth.
    struct Span {
        double from;
        double to;
    };

    // Grey wording that does not apply, right behind the previous text on the same line. Gives
    // the span of its characters as measured, without the blanks that end it, for strikeOut.
    Span greyMore(double size, const QString& text) {
        const double from = surface_.currentX();
        more(size, kGrey, text, true);
        qsizetype characters = text.size();
        while (characters > 0 && text[characters - 1].isSpace())
            --characters;
        return {from / charWidth_,
                (from + surface_.textWidth(text.first(characters))) / charWidth_};
    }
    // A thin grey line through a span at height y, in RowHeight.
    void strikeOut(const Span& span, double y) {
        surface_.setDrawWidth(1);
        surface_.line(span.from * charWidth_, y * rowHeight_, span.to * charWidth_, y * rowHeight_,
                      kGrey);
        surface_.setDrawWidth(3);
    }

    // Text with the top-left of its cell at (x, y).
    void text(double x, double y, double size, quint32 colour, const QString& text,
              bool continueLine = false) {
        surface_.setCurrentX(x * charWidth_);
        surface_.setCurrentY(y * rowHeight_);
        more(size, colour, text, continueLine);
    }
    // Text right behind the previous one on the same line.
    void more(double size, quint32 colour, const QString& text, bool continueLine = false) {
        surface_.setFontSize(size);
        surface_.setForeColor(colour);
        surface_.print(text, continueLine);
    }

private:
    DrawingSurface& surface_;
    double charWidth_;
    double rowHeight_;
    quint32 form_;
};

// The application date as the dialog shows it: an era date in either pattern, or an ISO date.
QDate readApplicationDate(const QString& text) {
    const QDate era = ParseEraDate(text);
    if (era.isValid())
        return era;
    return QDate::fromString(text.trimmed(), Qt::ISODate);
}

// A number in a field of six cells: three spaces, the number and two spaces, of which the last
// six characters count, so that the digits end two cells before the fixed "年", "月" or "日".
QString dateField(const QString& number) {
    return (QStringLiteral("   ") + number + QStringLiteral("  ")).right(6);
}

void drawFrame(FormWriter& w) {
    w.box(56, 4, 84, 11.5);   // revenue stamp
    w.box(2, 19.5, 84, 28.5); // 1 applicant
    w.rule(25, 21, 84, 21);
    w.rule(2, 24, 84, 24);
    w.dottedRule(25.5, 25.5, 84, 25.5);
    w.rule(25, 19.5, 25, 28.5);
    w.box(3, 30.5, 84, 33.5); // 2 grounds for disqualification
    w.rule(3, 32, 84, 32);
    w.rule(28, 30.5, 28, 33.5);
    w.rule(56, 30.5, 56, 33.5);
    w.box(2, 35.5, 84, 46); // 3 matters of the re-licence
    w.rule(2, 37, 84, 37);
    w.rule(2, 39, 84, 39);
    w.rule(2, 41, 84, 41);
    w.rule(2, 43, 84, 43);
    w.rule(2, 44.5, 84, 44.5);
    w.rule(38, 35.5, 38, 46);
    w.box(4, 49.5, 84, 53.5); // 4 ① prepayment
    w.rule(4, 51, 84, 51);
    w.rule(36, 49.5, 36, 53.5);
    w.box(4, 55, 84, 58.25); // 4 ② fee notice address
    w.rule(23, 55.875, 84, 55.875);
    w.rule(4, 56.75, 84, 56.75);
    w.rule(23, 55, 23, 58.25);
    w.dottedRule(23, 57.5, 84, 57.5);
    w.box(2, 59.75, 84, 62.75); // 5 contact for the application
    w.rule(2, 61.25, 84, 61.25);
    w.rule(2, 62, 84, 62);
    w.rule(23, 59.75, 23, 62.75);
    w.dottedRule(23, 60.5, 84, 60.5);
}

void drawHead(FormWriter& w, quint32 form, const PrintData& print) {
    // The strike-out lines follow the grey words as the face measures them: on fixed cells
    // they would fall on the words that apply.
    w.text(25, 0, 12, form, QStringLiteral(u"無線局"), true);
    const FormWriter::Span licence = w.greyMore(12, QStringLiteral(u"免許( "));
    w.more(12, form, QStringLiteral(u"再免許"), true);
    const FormWriter::Span bracket = w.greyMore(12, QStringLiteral(")"));
    w.more(12, form, QStringLiteral(u"申請書"));
    w.strikeOut(licence, 0.3);
    w.strikeOut(licence, 0.6);
    w.strikeOut(bracket, 0.3);
    w.strikeOut(bracket, 0.6);
    w.text(1, 3, 12, form, print.PrintDest);
    w.text(63, 4.5, 12, form, QStringLiteral(u"収入印紙貼付欄"));
    w.text(66, 6, 12, form, QStringLiteral(u"3,050 円"));
}

void drawDateLine(FormWriter& w, quint32 form, quint32 data, const PrintData& print) {
    const QDate date = print.PrintDateFlag == 1 ? readApplicationDate(print.PrintAppDate) : QDate();
    // A date that cannot be read leaves the line blank for hand-writing, as when no date is
    // asked for, rather than breaking off the page.
    if (!date.isValid()) {
        w.text(56, 2, kBodySize, form, QStringLiteral(u"令和      年      月      日"));
        return;
    }
    const QString text = FormatEraDate(date, EraPattern::Unpadded);
    const qsizetype year = text.indexOf(u'年') + 1;
    const qsizetype month = text.indexOf(u'月') + 1;
    const qsizetype day = text.indexOf(u'日') + 1;
    w.text(56, 2, kBodySize, form, text.left(2) + QStringLiteral(u"      年      月      日"));
    w.text(60, 2, kBodySize, data, dateField(text.mid(2, year - 3)));
    w.text(68, 2, kBodySize, data, dateField(text.mid(year, month - year - 1)));
    w.text(76, 2, kBodySize, data, dateField(text.mid(month, day - month - 1)));
}

void drawSections(FormWriter& w, DrawingSurface& surface, quint32 form, quint32 data,
                  const PrintData& print) {
    surface.setFontStrikethru(true);
    w.text(2, 12.5, 6, form,
           QStringLiteral(u"□電波法第６条の規定により､無線局の免許を受けたいので､無線局免許手続"
                          u"規則第４条に規定する書類を添えて下記のとおり申請します｡"));
    w.text(2, 13.75, 6, form,
           QStringLiteral(u"□無線局免許手続規則第16条第１項の規定により､無線局の再免許を受けた"
                          u"いので､第16条の２の規定により､別紙の書類を添えて下記のとおり申請し"
                          u"ます｡"));
    surface.setFontStrikethru(false);
    w.text(2, 15, kBodySize, data, QStringLiteral(u"■"));
    w.text(2, 15, kBodySize, form,
           QStringLiteral(u"□無線局免許手続規則第16条第１項の規定により､無線局の再免許を受けた"
                          u"いので､第16条の３の"));
    w.text(4, 16.5, kBodySize, form,
           QStringLiteral(u"規定により､添付書類の提出を省略して下記のとおり申請します｡"));

    w.text(1, 18.3, kBodySize, form, QStringLiteral(u"１　申請者"));
    w.text(3, 19.7, kBodySize, form, QStringLiteral(u"住　所"));
    w.text(26, 19.7, kBodySize, form,
           QStringLiteral(u"都道府県―市区町村コード  [                           ]"));
    w.text(26, 21.2, kBodySize, form, QStringLiteral(u"〒 (          )"));
    w.text(3, 24.2, kBodySize, form, QStringLiteral(u"氏名又は名称及び代表"));
    w.text(26, 24.2, kBodySize, form, QStringLiteral(u"フリガナ"));
    w.text(3, 25.7, kBodySize, form, QStringLiteral(u"者氏名"));

    w.text(0, 29.3, kBodySize, form, QStringLiteral(u"２　電波法第５条に規定する欠格事由"));
    w.text(4, 30.8, kBodySize, form, QStringLiteral(u"開設しようとする無線局"));
    w.text(29, 30.8, kBodySize, form, QStringLiteral(u"無線機の種類（第２項各号）"));
    // The marks go first, so that the boxes printed over them look filled.
    w.text(57, 30.8, kBodySize, data, QStringLiteral(u"■"));
    w.text(57, 32.3, kBodySize, data,
           print.DisposalHistory != 0 ? QStringLiteral(u"■") : QStringLiteral(u"　　　　　■"));
    w.text(57, 30.8, kBodySize, form, QStringLiteral(u"□　該当　　□　該当しない"));
    w.text(4, 32.3, kBodySize, form, QStringLiteral(u"相対的欠格事由"));
    w.text(29, 32.3, kBodySize, form, QStringLiteral(u"処分歴等（第３項）"));
    w.text(57, 32.3, kBodySize, form, QStringLiteral(u"□　有　　□　無"));

    w.text(0, 34.3, kBodySize, form, QStringLiteral(u"３　"), true);
    const FormWriter::Span licenceOr = w.greyMore(kBodySize, QStringLiteral(u"免許又は"));
    w.more(kBodySize, form, QStringLiteral(u"再免許に関する事項"));
    w.strikeOut(licenceOr, 34.7);
    w.strikeOut(licenceOr, 35);
    w.text(3, 35.7, kBodySize, form, QStringLiteral(u"①　無線局の種別及び局数"));
    w.text(3, 37.5, kBodySize, form, QStringLiteral(u"②　識別信号"));
    w.text(3, 39.5, kBodySize, form, QStringLiteral(u"③　免許の番号"));
    w.text(3, 41.5, kBodySize, form, QStringLiteral(u"④　免許の年月日"));
    w.text(3, 43.2, kBodySize, form, QStringLiteral(u"⑤　希望する免許の有効期間"));
    w.text(3, 44.7, kBodySize, form, QStringLiteral(u"⑥　備考（電話番号）"));

    w.text(0, 47, kBodySize, form, QStringLiteral(u"４　電波利用料"));
    w.text(3, 48.2, kBodySize, form, QStringLiteral(u"①　電波利用料の前納"));
    w.text(5.5, 49.8, kBodySize, form, QStringLiteral(u"電波利用料の前納の申出の有無"));
    const bool prepay = print.PrepayAnswer == 1;
    if (prepay)
        w.text(37.2, 49.8, kBodySize, data, QStringLiteral(u"■"));
    if (prepay && print.PrepayPeriod == 1) {
        w.text(37.2, 52.2, kBodySize, data, QStringLiteral(u"■"));
        w.text(52.2, 52.2, kBodySize, data, print.PrepayYears);
    }
    if (prepay && print.PrepayPeriod != 1)
        w.text(37.2, 51.3, kBodySize, data, QStringLiteral(u"■"));
    if (!prepay)
        w.text(49.7, 49.8, kBodySize, data, QStringLiteral(u"■"));
    w.text(37.2, 49.8, kBodySize, form, QStringLiteral(u"□有"));
    w.text(49.7, 49.8, kBodySize, form, QStringLiteral(u"□無"));
    w.text(5.5, 51.3, kBodySize, form, QStringLiteral(u"電波利用料の前納に係る期間"));
    w.text(37.2, 51.3, kBodySize, form, QStringLiteral(u"□無線局の免許の有効期間まで前納します。"));
    w.text(37.2, 52.2, kBodySize, form, QStringLiteral(u"□その他（　　　　年）"));
}

// Sections 4 ② and 5, which the program never fills in: small and grey. The paper-only printer
// setting that used to be switched on around this block is left out; it never showed in the
// preview and nothing on the page depends on it.
void drawUnusedBlock(FormWriter& w) {
    constexpr double size = 7;
    w.text(3, 53.7, size, kGrey,
           QStringLiteral(u"②　電波利用料納入告知書送付先（法人の場合に限る。）"));
    w.text(7, 54.2, size, kGrey, QStringLiteral(u"１の欄と同一のため記載を省略します。"));
    w.text(5.5, 55.2, size, kGrey, QStringLiteral(u"住　所"));
    w.text(23.5, 55.2, size, kGrey,
           QStringLiteral(u"都道府県―市町村コード  ［                             ］"));
    w.text(23.5, 56, size, kGrey, QStringLiteral(u"〒 (          )"));
    w.text(5.5, 56.9, size, kGrey, QStringLiteral(u"部署名"));
    w.text(23.5, 56.9, size, kGrey, QStringLiteral(u"フリガナ"));
    w.text(1, 58.5, size, kGrey, QStringLiteral(u"５　申請の内容の関する連絡先"));
    w.text(2.5, 59.9, size, kGrey, QStringLiteral(u"所属、氏名"));
    w.text(23, 59.9, size, kGrey, QStringLiteral(u"フリガナ"));
    w.text(2.5, 61.35, size, kGrey, QStringLiteral(u"電話番号"));
    w.text(2.5, 62.1, size, kGrey, QStringLiteral(u"電子メールアドレス"));
}

QString upperFullWidth(const QString& text) {
    return width::toFullWidth(text.toUpper());
}

void drawEnteredData(FormWriter& w, quint32 data, const PrintData& print) {
    w.text(30.5, 21.2, kBodySize, data, print.PrintApplicantZip);
    w.text(28, 22.2, kBodySize, data, print.PrintApplicantAddr1);
    w.text(28, 23, kBodySize, data, print.PrintApplicantAddr2);
    if (print.PrintClubFlag == 1) {
        w.text(36, 24.4, kBodySize, data,
               print.PrintClubKana + QStringLiteral("  ") + print.PrintApplicantKana);
        w.text(28, 26, kBodySize, data, print.PrintClubName);
        w.text(28, 27, kBodySize, data, print.PrintApplicantName);
    } else {
        w.text(36, 24.4, kBodySize, data, print.PrintApplicantKana);
        w.text(28, 26.5, 14, data, print.PrintApplicantName);
    }
    w.text(40, 35.7, kBodySize, data, QStringLiteral(u"アマチュア無線局　１局"));
    w.text(40, 37.5, kBodySize, data, upperFullWidth(print.PrintCallSign));
    w.text(40, 39.5, kBodySize, data, upperFullWidth(print.PrintLicenceNo));
    w.text(40, 41.5, kBodySize, data, print.PrintLicenceDate);
    w.text(40, 44.7, kBodySize, data, print.PrintApplicantTel);
}

} // namespace

Result drawApplicationForm(DrawingSurface& surface, int, const PageInputs& inputs) {
    const SettingsValues& settings = inputs.settings;
    const PrintData& print = inputs.print;
    try {
        // The offsets' keys are swapped (YohakuTop moves the form across); see the settings file.
        const qint32 across = pagearithmetic::checkedAffine(10, settings.formOffsetAcross, 1100);
        const qint32 down = pagearithmetic::checkedAffine(10, settings.formOffsetDown, 700);
        surface.setScale(-double(across), -double(down), surface.widthTwips(),
                         surface.heightTwips());

        const quint32 form = quint32(settings.formColour);
        const quint32 data = quint32(settings.dataColour);
        surface.setForeColor(form);
        surface.setFontName(fonts::mincho());
        surface.setFontSize(11);
        const double charWidth = roundHalfEven(surface.textWidth(QStringLiteral("M")));
        const double rowHeight = roundHalfEven(1.1 * surface.textHeight(QStringLiteral("M")));
        surface.setDrawWidth(3);
        surface.setDrawStyle(DrawingSurface::DrawStyle::Solid);

        FormWriter w(surface, charWidth, rowHeight, form);
        drawFrame(w);
        drawHead(w, form, print);
        drawDateLine(w, form, data, print);
        drawSections(w, surface, form, data, print);
        drawUnusedBlock(w);
        drawEnteredData(w, data, print);
    } catch (const pagearithmetic::Overflow&) {
        return Result::failure(pagearithmetic::overflowMessage());
    }
    return Result::success();
}
