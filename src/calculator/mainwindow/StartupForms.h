#pragma once
// The forms the application creates at start, in their fixed order.

class TFormRegistry;

// Creates the start-up forms into the registry: the main window first (none of the others
// exists while it is created), then the flow-profile dialog, the medium chart, the names
// list, the pipe geometry, the value input and the normalized volume. The report, the error
// diagram and the transducer application take their places in this order as they are built.
void CreateStartupForms(TFormRegistry& forms);
