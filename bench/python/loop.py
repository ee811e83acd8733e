import sys
n = int(sys.argv[1])
x = 0
for i in range(1, n + 1):
    x = x + i
