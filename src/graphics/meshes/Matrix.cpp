#include "graphics/meshes/Matrix.h"
#include "engine/text/ValueConvert.h"

#include <cmath>

Matrix Matrix::identity()
{
    return scaling(1, 1, 1);
}

Matrix Matrix::translation(Float _x, Float _y, Float _z)
{
    Matrix result = identity();
    result.m[3][0] = _x;
    result.m[3][1] = _y;
    result.m[3][2] = _z;
    return result;
}

Matrix Matrix::scaling(Float _x, Float _y, Float _z)
{
    Matrix result;
    result.m[0][0] = _x;
    result.m[1][1] = _y;
    result.m[2][2] = _z;
    result.m[3][3] = 1;
    return result;
}

namespace {

// The rotation in the plane of axes _a and _b, turning _a towards _b.
Matrix planeRotation(int _a, int _b, Float _radians)
{
    Matrix result = Matrix::identity();
    const Float c = std::cos(_radians), s = std::sin(_radians);
    result.m[_a][_a] = c;
    result.m[_a][_b] = s;
    result.m[_b][_a] = -s;
    result.m[_b][_b] = c;
    return result;
}

Float determinant3(const Matrix& _matrix)
{
    const auto& m = _matrix.m;
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
        + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// The inverse of the 3x3 part into _result's 3x3 part; false when there is none.
Bool invert3(const Matrix& _matrix, Matrix& _result)
{
    const Float det = determinant3(_matrix);
    if (det == 0 || !std::isfinite(det))
        return false;
    const auto& m = _matrix.m;
    auto& r = _result.m;
    r[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
    r[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
    r[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
    r[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
    r[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
    r[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
    r[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
    r[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
    r[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
    return true;
}

} // namespace

Matrix Matrix::rotationX(Float _radians)
{
    return planeRotation(1, 2, _radians);
}

Matrix Matrix::rotationY(Float _radians)
{
    return planeRotation(2, 0, _radians);
}

Matrix Matrix::rotationZ(Float _radians)
{
    return planeRotation(0, 1, _radians);
}

Matrix Matrix::operator*(const Matrix& _other) const
{
    Matrix result;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            Float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += m[row][k] * _other.m[k][column];
            result.m[row][column] = sum;
        }
    return result;
}

Matrix Matrix::operator+(const Matrix& _other) const
{
    Matrix result;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            result.m[row][column] = m[row][column] + _other.m[row][column];
    return result;
}

Matrix Matrix::operator*(Float _factor) const
{
    Matrix result;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            result.m[row][column] = m[row][column] * _factor;
    return result;
}

bool Matrix::operator==(const Matrix& _other) const
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (m[row][column] != _other.m[row][column])
                return false;
    return true;
}

Vector3 getMatrixScale(const Matrix& _matrix)
{
    Float lengths[3];
    for (int row = 0; row < 3; ++row) {
        const Float* r = _matrix.m[row];
        lengths[row] = fastSqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
    }
    return {lengths[0], lengths[1], lengths[2]};
}

void setMatrixScale(Matrix& _matrix, const Vector3& _scale)
{
    const Float lengths[3] = {_scale.x, _scale.y, _scale.z};
    for (int row = 0; row < 3; ++row) {
        Float* r = _matrix.m[row];
        Vector3 axis{r[0], r[1], r[2]};
        axis.setLength(lengths[row]);
        r[0] = axis.x;
        r[1] = axis.y;
        r[2] = axis.z;
    }
}

Bool invertAffineMatrix(Matrix& _matrix)
{
    Matrix inverse;
    if (!invert3(_matrix, inverse))
        return false;
    for (int column = 0; column < 3; ++column) {
        Float sum = 0;
        for (int k = 0; k < 3; ++k)
            sum += _matrix.m[3][k] * inverse.m[k][column];
        inverse.m[3][column] = -sum;
    }
    inverse.m[3][3] = 1;
    _matrix = inverse;
    return true;
}

Vector3 transformPoint(const Vector3& _point, const Matrix& _matrix)
{
    Vector3 result = transformVector(_point, _matrix);
    result.x += _matrix.m[3][0];
    result.y += _matrix.m[3][1];
    result.z += _matrix.m[3][2];
    return result;
}

Vector3 transformVector(const Vector3& _vector, const Matrix& _matrix)
{
    const auto& m = _matrix.m;
    return {_vector.x * m[0][0] + _vector.y * m[1][0] + _vector.z * m[2][0],
        _vector.x * m[0][1] + _vector.y * m[1][1] + _vector.z * m[2][1],
        _vector.x * m[0][2] + _vector.y * m[1][2] + _vector.z * m[2][2]};
}

Matrix normalMatrix(const Matrix& _matrix)
{
    Matrix inverse, result;
    if (!invert3(_matrix, inverse))
        return result;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            result.m[row][column] = inverse.m[column][row];
    return result;
}

Float dot(const Vector3& _a, const Vector3& _b)
{
    return _a.x * _b.x + _a.y * _b.y + _a.z * _b.z;
}
