# Expects a wrong reply: the runner must fail on it.
1 name
#? [not fake]
