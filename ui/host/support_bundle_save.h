// Help > Create Support Bundle...: asks where to save the bundle (a name with
// the date and time proposed) and says where it went or why it could not.
#pragma once

struct SupportBundleParts;
class QWidget;

void SaveSupportBundle(QWidget* parent, const SupportBundleParts& parts);
