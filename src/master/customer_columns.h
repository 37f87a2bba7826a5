#pragma once

// The customer grid SG_K: one customer per row.
namespace CustomerColumn {
enum : int {
    number = 0,
    name = 1,       // 顧客名 → NAME1
    name2 = 2,      // 顧客名２ → NAME2
    postalCode = 3, // 〒 → YUBIN
    address1 = 4,   // 住所 → ADD1
    address2 = 5,   // 住所２ → ADD_2
    telephone = 6,  // tel → Tel
    honorific = 7,  // the text of KEISYOU; hidden
    mark = 8,       // the selection mark "1"; hidden
    count = 9,
};
} // namespace CustomerColumn
