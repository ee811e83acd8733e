import sys
n = int(sys.argv[1])
s = "0123456789"
for k in range(7):
    s = s + s
for i in range(1, n + 1):
    m = s[:]
    g = s[:]
    l = s[:]
    d = s[:]
