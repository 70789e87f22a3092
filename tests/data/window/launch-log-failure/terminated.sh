echo 'about to end'
record "$@"
kill -TERM $$
