#pragma once

// The tax mode of a slip, as saved on line 10 of a slip file and remembered in SEIKYUU.INI.
enum class TaxMode { Exclusive = 0, Inclusive = 1, Exempt = 2 };
