// The projector switch and window.
#pragma once

class Form1;

class Projector {
public:
    explicit Projector(Form1& form) : form_(form) {}
    virtual ~Projector() = default;

    // Opens or closes the projector window as Check1 says: it comes with the projector
    // window; until then it does nothing.
    virtual void Check1_Click() {}

protected:
    Form1& form_;
};
