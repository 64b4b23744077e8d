#pragma once

#include <QPointF>
#include <QtGlobal>

// A plain two-coordinate point; the geometry kernel works on CPointEx<float>.
template <typename T> struct CPointEx
{
    T x;
    T y;

    constexpr CPointEx()
        : x(0)
        , y(0)
    {
    }
    constexpr CPointEx(T tX, T tY)
        : x(tX)
        , y(tY)
    {
    }

    static CPointEx FromQPointF(const QPointF& pt) { return CPointEx(T(pt.x()), T(pt.y())); }
    QPointF ToQPointF() const { return QPointF(double(x), double(y)); }

    friend constexpr bool operator==(const CPointEx& p1, const CPointEx& p2)
    {
        return p1.x == p2.x && p1.y == p2.y;
    }
    friend constexpr bool operator!=(const CPointEx& p1, const CPointEx& p2) { return !(p1 == p2); }
};

Q_DECLARE_TYPEINFO(CPointEx<float>, Q_PRIMITIVE_TYPE);
Q_DECLARE_TYPEINFO(CPointEx<double>, Q_PRIMITIVE_TYPE);
