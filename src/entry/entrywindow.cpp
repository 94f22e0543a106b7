#include "entry/entrywindow.h"

#include "entry/datestep.h"
#include "platform/gui/colours.h"
#include "platform/gui/fonts.h"
#include "platform/gui/spinbutton.h"
#include "platform/gui/twips.h"
#include "record/appstate.h"

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

namespace {

constexpr std::array<const char16_t*, 3> kUnits{u"年", u"月", u"日"};
constexpr std::array<const char16_t*, 2> kStationTypes{u"固定局", u"移動局"};

// Room kept between a caption and the box beside it, in twips.
constexpr int kCaptionGap = 90;
constexpr double kSmallestCaption = 6.0;

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
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

void EntryWindow::buildControls() {
    const EntryDesign& d = design_;
    setFixedSize(px(d.clientWidth), px(d.clientHeight));

    for (size_t i = 0; i < Frame1.size(); ++i) {
        const EntryDesign::Frame& f = d.frames[i];
        Frame1[i] = new QGroupBox(QString::fromUtf16(f.caption), this);
        Frame1[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        place(Frame1[i], f.left, f.top, f.width, f.height);
    }
    QGroupBox* left = Frame1[0];

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
        QGroupBox* frame = i < EntryDesign::kFirstRightBox ? left : Frame1[1];
        Label2[size_t(i)] =
            caption(frame, QString::fromUtf16(b.caption), QStringLiteral("Label2_%1").arg(i),
                    b.captionLeft, b.top, b.left - b.captionLeft, EntryDesign::kBoxHeight);
        auto* box = new EntryBox(frame);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setFont(boxFont);
        box->setInputLimit(b.limit);
        box->setInputMode(b.mode);
        box->setUpperCasing(i == 0 || i == 1);
        place(box, b.left, b.top, b.width, EntryDesign::kBoxHeight);
        Text1[size_t(i)] = box;
    };

    // Built in the order the focus moves: call sign, licence number, date, type, the rest.
    addBox(0);
    addBox(1);

    caption(left, QString::fromUtf16(d.dateCaption), QStringLiteral("Label3"), 240,
            d.dateCaptionTop, d.dateLeft - 240, 240);
    Label1 = new QLabel(left);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setFont(boxFont);
    Label1->setAutoFillBackground(true);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::Window, colours::toQColor(colours::kWindowBackground, palette));
    Label1->setPalette(palette);
    place(Label1, d.dateLeft, d.dateTop, d.dateWidth, d.dateHeight);
    for (int i = 0; i < 3; ++i) {
        auto* spin = new SpinButton(left);
        spin->setObjectName(QStringLiteral("UpDown1_%1").arg(i));
        place(spin, d.spinLefts[size_t(i)], d.spinTop, d.spinWidth, d.spinHeight);
        connect(spin, &SpinButton::stepped, this, [this, i](int step) { UpDown1Click(i, step); });
        UpDown1[size_t(i)] = spin;
        // Under the spin buttons: no box beside them, so their whole width.
        auto* unit =
            caption(left, QString::fromUtf16(kUnits[size_t(i)]), QStringLiteral("Label4_%1").arg(i),
                    d.unitLefts[size_t(i)], d.unitTop, 240 + kCaptionGap, 240);
        unit->setAlignment(Qt::AlignCenter);
    }

    Combo1 = new QComboBox(left);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const char16_t* type : kStationTypes)
        Combo1->addItem(QString::fromUtf16(type));
    const int comboHeight = std::max(Combo1->sizeHint().height(), px(EntryDesign::kBoxHeight));
    Combo1->setGeometry(px(d.comboLeft), px(d.comboTop), px(d.comboWidth), comboHeight);
    auto* comboCaption = caption(left, QString::fromUtf16(d.comboCaption), QStringLiteral("Label5"),
                                 240, d.comboTop, d.comboLeft - 240, EntryDesign::kBoxHeight);
    comboCaption->resize(comboCaption->width(), comboHeight);

    for (int i = 2; i < entryform::kBoxCount; ++i)
        addBox(i);
    fitCaptions(captions);
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

void EntryWindow::UpDown1Click(int index, int step) {
    static constexpr std::array<datestep::Unit, 3> units{
        datestep::Unit::Year, datestep::Unit::Month, datestep::Unit::Day};
    if (index < 0 || index >= int(units.size()))
        return;
    Label1->setText(datestep::step(Label1->text(), units[size_t(index)], step));
}

entryform::Texts EntryWindow::texts() const {
    entryform::Texts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = Text1[i]->text();
    return texts;
}

Prompter::Answer EntryWindow::tell(const QString& text, Prompter::Buttons buttons) {
    return prompter_.message({text, state_.program.title, buttons, Prompter::Icon::None}, this);
}

void EntryWindow::showStationType(const QString& text) {
    if (text.isEmpty()) {
        Combo1->setCurrentIndex(-1);
        return;
    }
    int index = Combo1->findText(text);
    if (index < 0) {
        Combo1->addItem(text);
        index = Combo1->count() - 1;
    }
    Combo1->setCurrentIndex(index);
}
