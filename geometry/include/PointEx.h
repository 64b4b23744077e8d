#pragma once

/// @file
/// The plain point type of the chromaticity API.

#include <QPointF>
#include <QtGlobal>

/// A plain two-coordinate point; chromaticities are CPointEx<float> of CIE 1931 x, y.
template <typename T> struct CPointEx
{
    T x; ///< horizontal coordinate (chromaticity x)
    T y; ///< vertical coordinate (chromaticity y)

    /// The origin.
    constexpr CPointEx()
        : x(0)
        , y(0)
    {
    }
    /// The point (tX, tY).
    constexpr CPointEx(T tX, T tY)
        : x(tX)
        , y(tY)
    {
    }

    /// pt with each coordinate converted to T.
    static CPointEx FromQPointF(const QPointF& pt) { return CPointEx(T(pt.x()), T(pt.y())); }
    /// The point in double precision.
    QPointF ToQPointF() const { return QPointF(double(x), double(y)); }

    /// Both coordinates equal exactly.
    friend constexpr bool operator==(const CPointEx& p1, const CPointEx& p2)
    {
        return p1.x == p2.x && p1.y == p2.y;
    }
    /// A coordinate differs.
    friend constexpr bool operator!=(const CPointEx& p1, const CPointEx& p2) { return !(p1 == p2); }
};

Q_DECLARE_TYPEINFO(CPointEx<float>, Q_PRIMITIVE_TYPE);
Q_DECLARE_TYPEINFO(CPointEx<double>, Q_PRIMITIVE_TYPE);
