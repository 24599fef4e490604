#pragma once
// The About box: program name, version, copyright and disclaimer, and the web address,
// which opens in the default browser. The partner-brand variant shows the partner's own
// copyright and disclaimer and no web address.

#include "formbase/MultForm.h"

#include <functional>

class QLabel;
class QUrl;
class TCeLabel;

class TAboutBox : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Opens a web address; the default asks the desktop (QDesktopServices). Tests replace
    // it so no browser starts. Returns whether the address was handed over.
    using TUrlOpener = std::function<bool(const QUrl&)>;
    static void SetUrlOpener(TUrlOpener opener);

    void LabelWWWClick();
    // The shadowed program name: "Quelvar " as designed, the application title in the
    // partner brand.
    void SetProgramName(const QString& name);

    QLabel* ProgramIcon = nullptr;
    TCeLabel* LAB_ProgName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* LAB_Disclaimer = nullptr;
    QLabel* Disclaimer = nullptr;
    QLabel* LAB_wwwLAB = nullptr;
    QLabel* LabelWWW = nullptr;

protected:
    void FormCreate();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateTexts();
};

// The about action: creates the box, gives the partner brand's box the application title as
// program name, shows it modally and frees it.
void ShowAboutBox(QWidget* parent);
