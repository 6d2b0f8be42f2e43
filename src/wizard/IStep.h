#pragma once

#include <QString>

// One page of the print wizard. The wizard asks it for its title and
// description, calls Initialize the first time it is shown, Enter on every
// visit and Validate when the user presses Next.
class IStep {
public:
    virtual ~IStep() = default;

    virtual QString AHeader() const = 0;
    virtual QString ADescription() const = 0;
    // True: Back is disabled on this page.
    virtual bool ForwardOnly() const = 0;
    virtual void Enter() = 0;
    virtual void Initialize() = 0;
    // False keeps the wizard on the page.
    virtual bool Validate() = 0;
};
