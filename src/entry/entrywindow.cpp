// The frames, boxes, date and station type the two entry dialogs share, and their checks.
#include "entry/entrywindow.h"

#include "entry/datestep.h"
#include "platform/gui/datebox.h"
#include "platform/gui/fonts.h"
#include "platform/gui/spinbutton.h"
#include "platform/gui/twips.h"
#include "record/appstate.h"
#include "record/eradate.h"
#include "record/typeddate.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct ExpiryUnit {
    const char16_t* caption;
    const char* name; // starts the object names of its spin button and caption
};
constexpr std::array<ExpiryUnit, 3> kUnits{{{u"年", "year"}, {u"月", "month"}, {u"日", "day"}}};
constexpr std::array<const char16_t*, 2> kStationTypes{u"固定局", u"移動局"};

constexpr std::array<const char*, 2> kFrameNames{"licenceFrame", "applicantFrame"};
// Whose data each frame holds, in the words a screen reader adds to a caption both frames show.
constexpr std::array<const char16_t*, 2> kFrameOwners{u"免許人", u"申請者"};

// Room kept between a caption and the box beside it, in twips.
constexpr int kCaptionGap = 90;
constexpr double kSmallestCaption = 6.0;
constexpr int kSameAsHolderWidth = 1455;

// The captions were designed for a narrower face than most systems have. All captions of a
// dialog share one size: the largest, up to the window's own, at which every one fits its place.
void fitCaptions(const std::vector<QLabel*>& captions) {
    if (captions.empty())
        return;
    QFont font = captions.front()->font();
    if (font.pointSizeF() <= 0)
        return;
    const auto fits = [&captions](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        return std::all_of(captions.begin(), captions.end(), [&metrics](const QLabel* label) {
            return metrics.horizontalAdvance(label->text()) <= label->width();
        });
    };
    while (!fits(font) && font.pointSizeF() - 0.5 >= kSmallestCaption)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (QLabel* label : captions)
        label->setFont(font);
}

// The captions are spread out with half- and full-width spaces; read aloud they are not.
QString withoutSpaces(QString text) {
    text.remove(u' ');
    text.remove(u'\u3000');
    return text;
}

// "callSign" for Field::CallSign: object names follow the record's own field names.
QString fieldObjectName(Field field) {
    QString name = QLatin1String(fieldInfo(field).name);
    name[0] = name[0].toLower();
    return name;
}

// A typed expiry date, shown as every date of the register is: "ggge年mm月dd日".
DateBox::Reading readTypedExpiry(const QString& typed) {
    const typeddate::TypedDate date = typeddate::parseTypedDate(typed);
    if (!date)
        return {{}, typeddate::problemText(date, typed)};
    return {FormatEraDate(date.date), {}};
}

} // namespace

EntryWindow::EntryWindow(const EntryDesign& design, AppState& state, Prompter& prompter,
                         MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog), design_(design), state_(state), prompter_(prompter),
      mainWindow_(mainWindow) {
    setObjectName(QString::fromUtf16(design.objectName));
    setWindowTitle(QString::fromUtf16(design.title));
    buildControls();
    placeWindow();
}

EntryWindow::~EntryWindow() = default;

int EntryWindow::px(double twips) const {
    return twips::toPixels(twips, logicalDpiX());
}

void EntryWindow::place(QWidget* widget, double left, double top, double width,
                        double height) const {
    twips::place(widget, left, top, width, height, logicalDpiX());
}

void EntryWindow::buildControls() {
    const EntryDesign& d = design_;
    setFixedSize(px(d.clientWidth), px(d.clientHeight));

    std::array<QGroupBox*, 2> frames{};
    for (size_t i = 0; i < frames.size(); ++i) {
        const EntryDesign::Frame& f = d.frames[i];
        frames[i] = new QGroupBox(QString::fromUtf16(f.caption), this);
        frames[i]->setObjectName(QLatin1String(kFrameNames[i]));
        place(frames[i], f.left, f.top, f.width, f.height);
    }
    licenceFrame = frames[0];
    applicantFrame = frames[1];

    // The name a screen reader gives each box: its caption without the spaces that spread it
    // out, and where the same caption stands in both frames, whose it is.
    std::array<QString, entryform::kBoxCount> captionTexts;
    for (size_t i = 0; i < captionTexts.size(); ++i)
        captionTexts[i] = withoutSpaces(QString::fromUtf16(d.boxes[i].caption));
    std::array<QString, entryform::kBoxCount> names = captionTexts;
    for (size_t i = 0; i < names.size(); ++i) {
        if (std::count(captionTexts.begin(), captionTexts.end(), captionTexts[i]) > 1) {
            const size_t frame = int(i) < EntryDesign::kFirstRightBox ? 0 : 1;
            names[i] = QString::fromUtf16(kFrameOwners[frame]) + u' ' + captionTexts[i];
        }
    }

    for (size_t i = 0; i < names.size(); ++i)
        boxNames_[i] = withoutSpaces(names[i]);

    QFont boxFont(fonts::gothic());
    boxFont.setPointSizeF(10.5);
    std::vector<QLabel*> captions;
    // A caption ending where a box begins keeps a gap to it.
    const auto caption = [this, &captions](QWidget* parent, const QString& text,
                                           const QString& name, double x, double top, double width,
                                           double height) {
        auto* label = new QLabel(text, parent);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        place(label, x, top, width - kCaptionGap, height);
        captions.push_back(label);
        return label;
    };
    const auto addBox = [&](int i) {
        const EntryDesign::Box& b = d.boxes[size_t(i)];
        QGroupBox* frame = i < EntryDesign::kFirstRightBox ? licenceFrame : applicantFrame;
        const QString field = fieldObjectName(entryform::fieldOfBox(i));
        QLabel* label =
            caption(frame, QString::fromUtf16(b.caption), field + u"Caption"_s, b.captionLeft,
                    b.top, b.left - b.captionLeft, EntryDesign::kBoxHeight);
        auto* box = new EntryBox(frame);
        box->setObjectName(field + u"Box"_s);
        box->setFont(boxFont);
        box->setInputLimit(b.limit);
        // The data file keeps bytes, counted in the text as it will be stored.
        box->setStoredByteLimit(entryform::storedByteLimit(i),
                                [i](const QString& text) { return entryform::asStored(i, text); });
        box->setInputMode(b.mode);
        box->setUpperCasing(i == 0 || i == 1);
        box->setAccessibleName(names[size_t(i)]);
        label->setBuddy(box);
        place(box, b.left, b.top, b.width, EntryDesign::kBoxHeight);
        fieldCaptions[size_t(i)] = label;
        fieldBoxes[size_t(i)] = box;
    };

    // Built in the order the focus moves: call sign, licence number, date, type, the rest.
    addBox(0);
    addBox(1);

    const QString dateName = withoutSpaces(QString::fromUtf16(d.dateCaption));
    QLabel* dateCaption =
        caption(licenceFrame, QString::fromUtf16(d.dateCaption), u"expiryDateCaption"_s, 240,
                d.dateCaptionTop, d.dateLeft - 240, 240);
    expiryDateDisplay = new DateBox(licenceFrame);
    expiryDateDisplay->setObjectName(u"expiryDateDisplay"_s);
    expiryDateDisplay->setFont(boxFont);
    expiryDateDisplay->setAccessibleName(dateName);
    expiryDateDisplay->setReader(readTypedExpiry);
    connect(expiryDateDisplay, &DateBox::refused, this,
            [this](const QString& problem) { tell(problem); });
    dateCaption->setBuddy(expiryDateDisplay);
    place(expiryDateDisplay, d.dateLeft, d.dateTop, d.dateWidth, d.dateHeight);
    for (int i = 0; i < 3; ++i) {
        const ExpiryUnit& unit = kUnits[size_t(i)];
        auto* spin = new SpinButton(licenceFrame);
        spin->setObjectName(QLatin1String(unit.name) + u"SpinButton"_s);
        spin->setAccessibleName(dateName + u' ' + QString::fromUtf16(unit.caption));
        place(spin, d.spinLefts[size_t(i)], d.spinTop, d.spinWidth, d.spinHeight);
        connect(spin, &SpinButton::stepped, this, [this, i](int step) { stepExpiry(i, step); });
        expirySpinButtons[size_t(i)] = spin;
        // Under the spin buttons: no box beside them, so their whole width.
        QLabel* unitCaption = caption(licenceFrame, QString::fromUtf16(unit.caption),
                                      QLatin1String(unit.name) + u"Caption"_s,
                                      d.unitLefts[size_t(i)], d.unitTop, 240 + kCaptionGap, 240);
        unitCaption->setAlignment(Qt::AlignCenter);
    }

    stationTypeBox = new QComboBox(licenceFrame);
    stationTypeBox->setObjectName(u"stationTypeBox"_s);
    for (const char16_t* type : kStationTypes)
        stationTypeBox->addItem(QString::fromUtf16(type));
    const int comboHeight =
        std::max(stationTypeBox->sizeHint().height(), px(EntryDesign::kBoxHeight));
    stationTypeBox->setGeometry(px(d.comboLeft), px(d.comboTop), px(d.comboWidth), comboHeight);
    stationTypeBox->setAccessibleName(withoutSpaces(QString::fromUtf16(d.comboCaption)));
    QLabel* typeCaption =
        caption(licenceFrame, QString::fromUtf16(d.comboCaption), u"stationTypeCaption"_s, 240,
                d.comboTop, d.comboLeft - 240, EntryDesign::kBoxHeight);
    typeCaption->resize(typeCaption->width(), comboHeight);
    typeCaption->setBuddy(stationTypeBox);

    for (int i = 2; i < entryform::kBoxCount; ++i)
        addBox(i);
    fitCaptions(captions);

    // A row of its own under the applicant's boxes, its right edge in line with theirs: on the
    // title row it would cross the frame's line, which most styles draw through the title.
    sameAsHolderButton = new QPushButton(u"申請者に同じ"_s, applicantFrame);
    sameAsHolderButton->setObjectName(u"sameAsHolderButton"_s);
    sameAsHolderButton->setAutoDefault(false);
    const EntryDesign::Box& last = d.boxes.back();
    place(sameAsHolderButton, last.left + last.width - kSameAsHolderWidth,
          last.top + EntryDesign::kBoxHeight + 156, kSameAsHolderWidth, 372);
    connect(sameAsHolderButton, &QPushButton::clicked, this, &EntryWindow::copyHolderToApplicant);
}

void EntryWindow::copyHolderToApplicant() {
    for (const auto& [holder, applicant] : entryform::kHolderToApplicant)
        fieldBoxes[size_t(applicant)]->setText(fieldBoxes[size_t(holder)]->text());
}

bool EntryWindow::refuseUnsavable(const entryform::Texts& texts, QStringView stationType) {
    // Saving would turn such characters into '?', and cut longer texts at the field's bytes.
    QString refused = entryform::unstorableMessage(texts, stationType);
    if (refused.isEmpty())
        refused = entryform::overlongMessage(texts, stationType, boxNames_);
    if (refused.isEmpty())
        return false;
    tell(refused);
    return true;
}

QPushButton* EntryWindow::addButton(const char* name, const char16_t* caption, double left,
                                    double width) {
    auto* button = new QPushButton(QString::fromUtf16(caption), this);
    button->setObjectName(QLatin1String(name));
    // Enter has no meaning of its own in these dialogs.
    button->setAutoDefault(false);
    place(button, left, 5640, width, 372);
    return button;
}

void EntryWindow::placeWindow() {
    const SettingsValues& s = state_.settings;
    move(twips::toPixels(s.*design_.left, logicalDpiX()),
         twips::toPixels(s.*design_.top, logicalDpiY()));
    // A place kept from a larger or another monitor can lie off every screen now; a dialog
    // there could not be reached, and this one may block the main window.
    const QRect area(pos(), size());
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(area);
        if (visible.width() >= 100 && visible.height() >= 50)
            return;
    }
    if (QScreen* primary = QGuiApplication::primaryScreen())
        move(primary->availableGeometry().topLeft());
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    // Only a window that is open closes; closing it again changes nothing.
    if (!isVisible())
        return;
    SettingsValues& s = state_.settings;
    const QPoint corner = frameGeometry().topLeft();
    s.*design_.left = qint32(std::lround(twips::fromPixels(corner.x(), logicalDpiX())));
    s.*design_.top = qint32(std::lround(twips::fromPixels(corner.y(), logicalDpiY())));
    mainWindow_.sortByExpiry();
    mainWindow_.colourByExpiry();
}

void EntryWindow::stepExpiry(int index, int step) {
    static constexpr std::array<datestep::Unit, 3> units{
        datestep::Unit::Year, datestep::Unit::Month, datestep::Unit::Day};
    // A date typed but not yet finished is taken first; the step moves it.
    if (index < 0 || index >= int(units.size()) || !expiryDateDisplay->takeTyped())
        return;
    showExpiry(datestep::step(expiryDateDisplay->text(), units[size_t(index)], step));
}

void EntryWindow::showExpiry(const QString& text) {
    // The box makes the date its accessible description.
    expiryDateDisplay->setText(text);
}

entryform::Texts EntryWindow::texts() const {
    entryform::Texts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = fieldBoxes[i]->text();
    return texts;
}

Prompter::Answer EntryWindow::tell(const QString& text, Prompter::Buttons buttons) {
    return prompter_.message({text, state_.program.title, buttons, Prompter::Icon::None}, this);
}

void EntryWindow::showStationType(const QString& text) {
    if (text.isEmpty()) {
        stationTypeBox->setCurrentIndex(-1);
        return;
    }
    int index = stationTypeBox->findText(text);
    if (index < 0) {
        stationTypeBox->addItem(text);
        index = stationTypeBox->count() - 1;
    }
    stationTypeBox->setCurrentIndex(index);
}
