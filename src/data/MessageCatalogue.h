#pragma once

#include <QString>

namespace zem {

class Db;

// The text of a message of the ERROR table by its number (7 is looked up as "0007"); empty when absent.
QString catalogueMessage(Db& db, int number);

}  // namespace zem
