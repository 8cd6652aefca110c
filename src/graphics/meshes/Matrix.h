#pragma once
#include "engine/Types.h"

// A 4x4 transform as the mesh and animation files store it: sixteen floats row by row, for
// row vectors (a point p becomes p x M, so A x B applies A first). Rows 1 to 3 are the axis
// rows, row 4 the translation.
struct Matrix {
    Float m[4][4] = {};

    static Matrix identity();
    static Matrix translation(Float _x, Float _y, Float _z);
    static Matrix scaling(Float _x, Float _y, Float _z);
    // Rotation about one axis by _radians, turning the following axis towards the one after
    // it: about z, x turns towards y.
    static Matrix rotationX(Float _radians);
    static Matrix rotationY(Float _radians);
    static Matrix rotationZ(Float _radians);

    Matrix operator*(const Matrix& _other) const;
    Matrix operator+(const Matrix& _other) const;
    Matrix operator*(Float _factor) const;
    bool operator==(const Matrix& _other) const;
    bool operator!=(const Matrix& _other) const { return !(*this == _other); }
};

// The lengths of the three axis rows: the scale the matrix applies along each axis.
Vector3 getMatrixScale(const Matrix& _matrix);
// Sets each axis row to the length of the matching component; a zero row has no direction
// and stays zero. The translation row and the fourth column stay.
void setMatrixScale(Matrix& _matrix, const Vector3& _scale);
// Inverts an affine matrix in place (the fourth column taken as 0, 0, 0, 1). A singular
// matrix has no inverse: it is left as it was and false comes back.
Bool invertAffineMatrix(Matrix& _matrix);

// The point _point x _matrix (w taken as 1, no perspective divide).
Vector3 transformPoint(const Vector3& _point, const Matrix& _matrix);
// The direction _vector x the matrix's 3x3 part, without the translation.
Vector3 transformVector(const Vector3& _vector, const Matrix& _matrix);
// The matrix that carries normals along with _matrix: the inverse transpose of its 3x3 part,
// so a normal stays perpendicular to its surface under non-uniform scales. A singular
// matrix squashes a surface flat and gives the zero matrix (no normal survives it).
Matrix normalMatrix(const Matrix& _matrix);

Float dot(const Vector3& _a, const Vector3& _b);
