echo 'ready'
echo 'warming up' >&2
record "$@"
