#pragma once

namespace zem {

class Db;

// Whether the annex register that feeds box `box` holds rows for it in this connection's working tables (the
// registers that itemise several boxes keep the box in their casilla column; the dividends register feeds
// only box 118). False for a box no register feeds.
bool annexRegisterHasRows(Db& db, int box);

}  // namespace zem
