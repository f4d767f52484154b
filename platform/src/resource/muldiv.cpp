#include <windows.h>

#include <climits>
#include <cstdlib>

// Rounds half away from zero; -1 for a zero denominator or a result that does not fit, as Win32.
int WINAPI MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) return -1;
    long long product = (long long)number * numerator;
    long long divisor = llabs(denominator);
    long long magnitude = (llabs(product) + divisor / 2) / divisor;
    long long result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    if (result > INT_MAX || result < INT_MIN) return -1;
    return int(result);
}
