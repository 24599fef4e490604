#pragma once
// Start-up registration of the component extras' picture formats.

// Registers the GIF file and clipboard formats and the icon clipboard format, and makes the
// picture code's not-implemented stop show its message box. Call once at start; later calls
// do nothing more.
void RegisterPictureFormats();
