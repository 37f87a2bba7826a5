#pragma once

struct CustomerRecord;

// What the customer grid asks of the window that holds it. The main window implements it,
// and so does a fake in the tests.
class CustomerGridHost
{
public:
    virtual ~CustomerGridHost() = default;

    // The customer the slip header shows: NAME1, NAME2, YUBIN, ADD1, ADD_2, Tel and the text
    // of KEISYOU.
    virtual CustomerRecord slipCustomer() const = 0;
    // Puts a picked customer into those fields; an empty field empties its control.
    virtual void takeCustomer(const CustomerRecord &customer) = 0;
    // Gives 顧客名 (NAME1) the focus.
    virtual void focusCustomerName() = 0;
    // Gives the item grid SG1 the focus, as closing an overlay does.
    virtual void focusItemGrid() = 0;
};
