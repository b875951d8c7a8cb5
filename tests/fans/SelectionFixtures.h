#pragma once

#include "fans/FanRecord.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

// Small in-memory catalogue records for the selection tests. The usual fan of these tests has the
// curve p(q) = top − 1.6e-5·q², which an interpolating cubic reproduces exactly; with top = 900 it
// crosses the system curve of the duty point 5000 m³/h, 500 Pa exactly at the duty point.
namespace selectionfixtures {

inline FanRecord fanRecord(const QString& name, std::initializer_list<double> flows,
    const std::function<double(double)>& pressure, const std::function<double(double)>& power = {})
{
    FanRecord r;
    r.name = name;
    r.d = 400;
    r.a = 400;
    r.b = 200;
    r.n = 1400;
    r.polus = 4;
    r.fazkol = true;
    int i = 0;
    for (double q : flows) {
        r.columns[i] = q;
        r.columns[20 + i] = pressure(q);
        r.columns[40 + i] = power ? power(q) : 0.5 + q / 10000;
        ++i;
    }
    r.pointCount = i;
    return r;
}

inline std::function<double(double)> parabola(double top)
{
    return [top](double q) { return top - 1.6e-5 * q * q; };
}

// Flows 1000, 2000, … last.
inline FanRecord dutyFan(const char* name = "ВКК", double top = 900, double last = 7000)
{
    FanRecord r = fanRecord(QString::fromUtf8(name), {}, parabola(top));
    int i = 0;
    for (double q = 1000; q <= last && i < FanRecord::maxPoints; q += 1000, ++i) {
        r.columns[i] = q;
        r.columns[20 + i] = top - 1.6e-5 * q * q;
        r.columns[40 + i] = 0.5 + q / 10000;
    }
    r.pointCount = i;
    return r;
}

} // namespace selectionfixtures
