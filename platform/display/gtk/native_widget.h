// The native widgets the GTK display places over windows (the embedded browser's web view).
#pragma once

typedef struct _GtkWidget GtkWidget;

namespace platform {

// Made and owned by whoever provides the widget (the WebKitGTK browser), which holds a reference of
// its own on `widget` and destroys it with gtk_widget_destroy when done. The display puts the widget
// into the desktop window of the top-level window it is placed over and takes it out again when that
// window goes; it forgets the widget when the widget is destroyed.
struct NativeWidget {
    GtkWidget* widget = nullptr;
};

}  // namespace platform
