import sys
n = int(sys.argv[1])
a = [0] * 1000
for i in range(1, n + 1):
    k = i % 1000
    a[k] = a[k] + i
    v = a[999 - k]
