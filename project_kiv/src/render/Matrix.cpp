#include "Matrix.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace {
const float IDENTITY[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

inline float& at(float* a, int row, int column)
{
    return a[4 * column + row];
}
}

Matrix::Matrix()
{
    std::memcpy(m, IDENTITY, sizeof(m));
}

bool Matrix::invert(const Matrix& source)
{
    float a[16], b[16];
    std::memcpy(a, source.m, sizeof(a));
    std::memcpy(b, IDENTITY, sizeof(b));
    for (int column = 0; column < 4; ++column) {
        int pivotRow = column;
        for (int row = column + 1; row < 4; ++row)
            if (std::fabs(at(a, row, column)) > std::fabs(at(a, pivotRow, column)))
                pivotRow = row;
        if (at(a, pivotRow, column) == 0.0f)
            return false;
        if (pivotRow != column) {
            for (int c = 0; c < 4; ++c) {
                std::swap(at(a, pivotRow, c), at(a, column, c));
                std::swap(at(b, pivotRow, c), at(b, column, c));
            }
        }
        float scaleBy = 1.0f / at(a, column, column);
        for (int c = 0; c < 4; ++c) {
            at(a, column, c) *= scaleBy;
            at(b, column, c) *= scaleBy;
        }
        for (int row = 0; row < 4; ++row) {
            if (row == column)
                continue;
            float factor = at(a, row, column);
            if (factor == 0.0f)
                continue;
            for (int c = 0; c < 4; ++c) {
                at(a, row, c) -= factor * at(a, column, c);
                at(b, row, c) -= factor * at(b, column, c);
            }
        }
    }
    std::memcpy(m, b, sizeof(m));
    return true;
}

void Matrix::multiply(const Matrix& other)
{
    float result[16];
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            result[4 * column + row] = m[row] * other.m[4 * column] + m[4 + row] * other.m[4 * column + 1] +
                                       m[8 + row] * other.m[4 * column + 2] + m[12 + row] * other.m[4 * column + 3];
    std::memcpy(m, result, sizeof(m));
}

void Matrix::translate(float x, float y, float z)
{
    for (int row = 0; row < 4; ++row)
        m[12 + row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
}

void Matrix::scale(float x, float y, float z)
{
    for (int row = 0; row < 4; ++row) {
        m[row] *= x;
        m[4 + row] *= y;
        m[8 + row] *= z;
    }
}

void Matrix::rotate(float degrees, float x, float y, float z)
{
    const double radians = degrees * 3.141592653589793 / 180.0;
    const float s = static_cast<float>(std::sin(radians));
    const float c = static_cast<float>(std::cos(radians));
    Matrix r;
    if (x == 0.0f && y == 0.0f) {
        if (z < 0.0f)
            return rotate(-degrees, 0.0f, 0.0f, -z);
        r.m[0] = c;
        r.m[1] = s;
        r.m[4] = -s;
        r.m[5] = c;
    } else if (y == 0.0f && z == 0.0f) {
        if (x < 0.0f)
            return rotate(-degrees, -x, 0.0f, 0.0f);
        r.m[5] = c;
        r.m[6] = s;
        r.m[9] = -s;
        r.m[10] = c;
    } else if (x == 0.0f && z == 0.0f) {
        if (y < 0.0f)
            return rotate(-degrees, 0.0f, -y, 0.0f);
        r.m[0] = c;
        r.m[2] = -s;
        r.m[8] = s;
        r.m[10] = c;
    } else {
        const float length = std::sqrt(x * x + y * y + z * z);
        x /= length;
        y /= length;
        z /= length;
        const float k = 1.0f - c;
        r.m[0] = x * x * k + c;
        r.m[1] = y * x * k + z * s;
        r.m[2] = x * z * k - y * s;
        r.m[4] = x * y * k - z * s;
        r.m[5] = y * y * k + c;
        r.m[6] = y * z * k + x * s;
        r.m[8] = x * z * k + y * s;
        r.m[9] = y * z * k - x * s;
        r.m[10] = z * z * k + c;
    }
    multiply(r);
}

void Matrix::frustum(double left, double right, double bottom, double top, double nearPlane, double farPlane)
{
    Matrix f;
    f.m[0] = static_cast<float>(2.0 * nearPlane / (right - left));
    f.m[5] = static_cast<float>(2.0 * nearPlane / (top - bottom));
    f.m[8] = static_cast<float>((right + left) / (right - left));
    f.m[9] = static_cast<float>((top + bottom) / (top - bottom));
    f.m[10] = static_cast<float>(-(farPlane + nearPlane) / (farPlane - nearPlane));
    f.m[11] = -1.0f;
    f.m[14] = static_cast<float>(-2.0 * farPlane * nearPlane / (farPlane - nearPlane));
    f.m[15] = 0.0f;
    multiply(f);
}

bool Matrix::operator==(const Matrix& o) const
{
    for (int i = 0; i < 16; ++i)
        if (m[i] != o.m[i])
            return false;
    return true;
}

V3 transformPoint(const V3& p, const Matrix& m)
{
    const float* a = m.m;
    return V3(a[0] * p.x + a[4] * p.y + a[8] * p.z + a[12], a[1] * p.x + a[5] * p.y + a[9] * p.z + a[13],
              a[2] * p.x + a[6] * p.y + a[10] * p.z + a[14]);
}
