# Writes to stderr: the runner must fail on it.
1 noise
#? []
