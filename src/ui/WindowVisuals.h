// Hover highlighting of the toolbar and the transport buttons' pictures.
#pragma once

class Form1;

class WindowVisuals {
public:
    explicit WindowVisuals(Form1& form) : form_(form) {}
    virtual ~WindowVisuals() = default;

    // They come with the main window's layout and visuals; until then they do nothing.
    virtual void SpegniEvidenza() {}
    virtual void cmdPlayA_MouseMove(int button, int shift, double x, double y) {
        (void)button, (void)shift, (void)x, (void)y;
    }

protected:
    Form1& form_;
};
