#pragma once

#include "platform/gui/datebox.h"

// The application date box of the print settings and batch print dialogs, named by its caption
// "申請日". It shows the date as the dialogs keep it, and takes a typed date (typeddate.h),
// written "ggge年m月d日" as a spin button step writes it.
DateBox* newApplicationDateBox(const QString& objectName, QWidget* parent);

// The text the box shows for a typed date, or why it cannot take it.
DateBox::Reading readTypedApplicationDate(const QString& typed);
