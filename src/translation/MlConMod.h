#pragma once
// The translator's module for the contents of list-like controls, which are no text
// properties: the header cells of a string grid (a QTableWidget's header items), the
// captions and sub-items of a list view (a QTreeWidget without root decoration), the node
// texts of a tree view (any other QTreeWidget). When a form is mirrored it places the
// controls of a tab page within their own page and swaps the status-bar panels' alignment.

#include "translation/MlTranslator.h"

class TMlControlModule : public TMlModule {
    Q_OBJECT

public:
    using TMlModule::TMlModule;
    bool TranslateComponent(TMlTranslator& translator, QObject* component) override;
    bool MirrorPosition(TMlTranslator& translator, QWidget* control, TMlBidirectionalState& state) override;
    bool MirrorContents(TMlTranslator& translator, QWidget* control) override;
};

// The one module of the process, registered in ModuleList on first use.
void RegisterControlModule();
