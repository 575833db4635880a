// Server: Boost.Beast accept loop (see Server.h).
#include "Server.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <iostream>
#include <memory>

namespace pelwin {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

template <class Stream>
void serveRequests(Stream& stream, Service& service, unsigned long connection) {
    beast::flat_buffer buffer;
    while (true) {
        http::request<http::string_body> request;
        beast::error_code ec;
        http::read(stream, buffer, request, ec);
        if (ec) {
            return;
        }
        const Outcome outcome =
            service.handle(connection, std::string(request.target()), request.body());
        if (outcome.drop) {
            return;
        }
        http::response<http::string_body> response{static_cast<http::status>(outcome.status),
                                                   request.version()};
        response.set(http::field::server, "pelwin-sim");
        response.set(http::field::content_type, "text/plain");
        response.body() = outcome.body;
        response.keep_alive(request.keep_alive());
        response.prepare_payload();
        http::write(stream, response, ec);
        if (ec || !response.keep_alive()) {
            return;
        }
    }
}

} // namespace

Server::Server(const Options& options, Service& service) : options_(options), service_(service) {}

int Server::run() {
    asio::io_context io;
    tcp::acceptor acceptor(io);
    const tcp::endpoint endpoint(asio::ip::make_address("127.0.0.1"), options_.port);
    acceptor.open(endpoint.protocol());
    acceptor.set_option(asio::socket_base::reuse_address(true));
    acceptor.bind(endpoint);
    acceptor.listen();

    std::unique_ptr<asio::ssl::context> tls;
    if (!options_.certFile.empty()) {
        tls = std::make_unique<asio::ssl::context>(asio::ssl::context::tls_server);
        tls->use_certificate_chain_file(options_.certFile);
        tls->use_private_key_file(options_.keyFile, asio::ssl::context::pem);
    }

    std::cout << "listening on 127.0.0.1:" << acceptor.local_endpoint().port() << std::endl;
    while (true) {
        tcp::socket socket(io);
        beast::error_code ec;
        acceptor.accept(socket, ec);
        if (ec) {
            continue;
        }
        const unsigned long connection = ++Service::connections;
        socket.set_option(tcp::no_delay(true), ec);
        if (tls) {
            asio::ssl::stream<tcp::socket&> stream(socket, *tls);
            stream.handshake(asio::ssl::stream_base::server, ec);
            if (ec) {
                std::cout << "conn=" << connection << " tls handshake failed: " << ec.message()
                          << std::endl;
                continue;
            }
            serveRequests(stream, service_, connection);
            stream.shutdown(ec);
        } else {
            serveRequests(socket, service_, connection);
            socket.shutdown(tcp::socket::shutdown_both, ec);
        }
    }
}

} // namespace pelwin
