#pragma once
// Whole numbers in Chinese numerals as a primary-school child writes them
// (二十三, 一百零五), and the helpers the topic pages share.
#include <QString>

namespace quorvel {

// The numeral of a one-character digit text "0" to "9"; empty otherwise.
QString numHan(const QString &digit);

// 0 to 999 in Chinese numerals; empty for four or more digits.
QString biannumtoHan(int n);

// The greatest common divisor of two positive numbers by Euclid's remainders.
int QiuZuiDaGongYueShu(int a, int b);

// a mod b as decimal text.
QString QiuYuShu(qint64 a, qint64 b);

} // namespace quorvel
