import sys
n = int(sys.argv[1])
c = 0
for i in range(1, n + 1):
    m = i % 7
    if m == 0:
        c = c + 1
    elif m < 3:
        c = c + 2
    if m == 4:
        c = c - 1
    else:
        c = c + 3
