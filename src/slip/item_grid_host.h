#pragma once

// What the item grid's editors ask of the window that holds the grid. The main window
// implements it, and so does a fake in the tests; every piece must be there.
class ItemGridHost
{
public:
    virtual ~ItemGridHost() = default;

    // Runs the slip's recalculation after the number editor changed a cell, and after the
    // grid emptied a cell it could not show as a number.
    virtual void recalculate() = 0;
    // Whether 形状・寸法 is shown (the Sunpou check box).
    virtual bool sizeColumnShown() const = 0;
    // Called after Enter or Right left 原単価. When the parts catalogue is open it brings its
    // grid back, focuses it and returns true; otherwise the item grid keeps the focus.
    virtual bool returnToPartsCatalogue() = 0;
    // True while a control of another grid (the parts grid, its editors, the customer grid's
    // editor) has the focus; that grid is stepped by the wheel instead.
    virtual bool otherGridHasFocus() const = 0;
};
