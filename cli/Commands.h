#pragma once

#include <QStringList>

// The commands of zem0482. Each takes the words after its name and returns the exit code: 0 success, 1 a
// finding (inconsistencies), 2 a refusal or bad input (the message on standard error).
namespace zem::cli {

int cmdInit(const QStringList& words);
int cmdTaxpayer(const QStringList& words);
int cmdUser(const QStringList& words);
int cmdCompute(const QStringList& words);
int cmdSave(const QStringList& words);
int cmdShow(const QStringList& words);
int cmdValidate(const QStringList& words);
int cmdList(const QStringList& words);
int cmdDelete(const QStringList& words);
int cmdSend(const QStringList& words);
int cmdAnnex(const QStringList& words);
int cmdPrint(const QStringList& words);
int cmdImport(const QStringList& words);

inline constexpr int kOk = 0;
inline constexpr int kFinding = 1;
inline constexpr int kRefused = 2;

}  // namespace zem::cli
