import sys
n = int(sys.argv[1])
def add_to(total, v):
    total[0] = total[0] + v
def twice(v):
    return v * 2
s = [0]
for i in range(1, n + 1):
    add_to(s, twice(i))
