#pragma once

#include <QString>

/// French words of n with the standard tens, each word preceded by one blank
/// (231 gives " deux cent trente et un"); a negative n is written as its absolute value.
QString EnLettres(qint64 n, bool majuscules);

/// The same with the Belgian/Swiss tens "septante", "huitante", "nonante".
QString EnLettres2(qint64 n, bool majuscules);
