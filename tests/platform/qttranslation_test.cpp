#include "platform/gui/qttranslation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

// Qt's standard buttons come from its own translation, which must be installed with the program.
TEST(QtTranslation, StandardButtonsSpeakJapanese) {
    ASSERT_TRUE(installJapaneseQtTexts(*QCoreApplication::instance()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(u"はい"_qs));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(u"いいえ"_qs));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(u"キャンセル"_qs));
}
